/*
 * The configuration record has one home: the public header that programs
 * built on the chip access layer include.
 */
#include "../include/k7r58c22/hal_struct.h"
