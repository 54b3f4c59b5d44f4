#include "platform/web/web_clock.h"

#include <emscripten.h>

namespace kolven::platform::web {

double WebClock::monotonicSeconds() const
{
    return emscripten_get_now() / 1000.0;
}

}  // namespace kolven::platform::web
