// Lumaskin's entry point: the skinned main window, run until it is closed.
#include "app/main_application.h"

int main(int argc, char **argv)
{
    lumaskin::MainApplication::PreparePlatform();
    lumaskin::MainApplication app(argc, argv);
    return app.Run();
}
