#include <iostream>
#include <string>
#include <vector>

#include "CtlApp.h"

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    Ctl::Console io{std::cin, std::cout, std::cerr};
    const int status = Ctl::CtlApp().run(std::vector<std::string>(argv + 1, argv + argc), io);
    std::cout.flush();
    return status;
}
