// The trainer's entry point: the application object's life around the
// runtime's event loop, which runs until the last window has closed and then
// raises the application's close event, and the end of the process.
#include "start/app.h"

#include "runtime/heap.h"
#include "runtime/ui/application.h"
#include "runtime/ui/halt.h"

int main(int argc, char **argv)
{
    runtime::ReturnFreedMemoryToSystem();
    runtime::Application qapp(argc, argv);
    if (!StartTrainer())
        return 1;
    runtime::Run();
    // The process ends here, without Qt's own teardown: that waits for Qt's
    // worker threads, and a page fetch's name lookup holds one for as long
    // as the name server keeps silent, which would keep the process, and its
    // claim on the database, alive long after the last window has gone. The
    // database is closed and nothing is left to write.
    runtime::Halt(0);
    return 0;
}
