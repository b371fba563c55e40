#include "editing/ui/BrowserHooks.h"

namespace kunimor::app {

TBrowserHooks& BrowserHooks() {
    static TBrowserHooks hooks;
    return hooks;
}

}  // namespace kunimor::app
