// Lumaskin's entry point: the skinned main window, run until it is closed.
#include "app/main_application.h"
#include "menu/menu_styler.h"

int main(int argc, char **argv)
{
    lumaskin::MainApplication app(argc, argv);
    // Every popup menu gets the program's frame and shadow, from before the main window
    // exists until the program ends.
    const auto menuStyling = lumaskin::MenuStyler::Install();
    return app.Run();
}
