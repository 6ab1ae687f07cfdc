// pelmor-new-event-file FILE: puts the event file without events at FILE
// unless a file is there, for the first start of a portable tree (the
// build's and a portable installation's) and as the fuzzer's first seed.
#include <iostream>

#include "Plent/files/UserDirectory.h"
#include "Platform/automation/AutomationError.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: pelmor-new-event-file FILE" << std::endl;
        return 2;
    }
    try {
        Plent::UserDirectory::prepareEventFile(argv[1]);
    } catch (const Platform::AutomationError& e) {
        std::cerr << e.report() << std::endl;
        return 1;
    }
    return 0;
}
