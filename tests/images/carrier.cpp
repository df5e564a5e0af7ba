// A program image that carries the viewer's record, as every program built
// on the chip access layer does. The tests open and patch its executable.
#include "config/default_records.h"

int main() {
    return ViewerRecord.Size == HAL_RECORD_SIZE ? 0 : 1;
}
