#include "cfgui/pages/empty_page.h"

namespace k7r::cfgui {

std::unique_ptr<Page> MakeEmptyPage(PageContext& /*context*/) {
    return std::make_unique<Page>();
}

} // namespace k7r::cfgui
