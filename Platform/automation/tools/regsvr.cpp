// Registers an in-process server: pelmor-regsvr [-u] MODULE
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "Platform/automation/Runtime.h"

int main(int argc, char** argv)
{
    const bool unregister = argc == 3 && std::strcmp(argv[1], "-u") == 0;
    if (argc != 2 && !unregister) {
        std::fprintf(stderr, "usage: pelmor-regsvr [-u] MODULE\n");
        return 2;
    }
    const std::filesystem::path module = std::filesystem::absolute(argv[argc - 1]);
    const Platform::HRESULT hr = Platform::RegisterServerModule(module, unregister);
    if (Platform::Failed(hr)) {
        std::fprintf(stderr, "pelmor-regsvr: %s of %s failed (0x%08X)\n", unregister ? "unregistration" : "registration",
                     module.c_str(), static_cast<unsigned>(hr));
        return 1;
    }
    return 0;
}
