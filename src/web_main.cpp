// The program in a web page: the same window on the web window system. The
// page's address may hold a kolven-drive script (#drive=…, URL-encoded) and
// a frozen time of day (&clock=SECONDS), as kolven-drive's --clock.

#include <cstdlib>
#include <optional>

#include "page_driver.h"
#include "page_queries.h"
#include "platform/web/web_clock.h"
#include "platform/web/web_files.h"
#include "platform/web/web_window_system.h"
#include "shell/kolven_window.h"

int main()
{
    using kolven::platform::web::WebWindowSystem;
    WebWindowSystem windowSystem;
    const std::optional<std::string> clockParameter = WebWindowSystem::parameter("clock");
    kolven::platform::web::WebClock clock = clockParameter
                                                ? kolven::platform::web::WebClock(std::strtod(clockParameter->c_str(), nullptr))
                                                : kolven::platform::web::WebClock();
    kolven::platform::web::WebFileSystem files;
    kolven::KolvenWindow window({windowSystem, clock, files});
    windowSystem.attach(window);
    window.Form_Load();
    windowSystem.paint();

    std::optional<kolven::drive::PageDriver> driver;
    if (const std::optional<std::string> script = WebWindowSystem::parameter("drive")) {
        driver.emplace(window, windowSystem, [&files] { return files.exportFile().text(); });
        kolven::drive::playScript(*driver, *script);
        kolven::drive::answerPageQueries(window);
    }
    windowSystem.run();
    return 0;
}
