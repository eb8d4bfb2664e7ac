// korvalith-derive: prints the password of a selection of pictures given on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "core/derive.h"
#include "core/wipe.h"
#include "tools/derive/derive_args.h"

namespace {

constexpr int kExitUsage = 2;

}  // namespace

int main(int argc, char** argv) {
    const DeriveCommand command = ParseDeriveArgs(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
        case DeriveCommand::Action::Help:
            std::fputs(kDeriveUsage, stdout);
            return 0;
        case DeriveCommand::Action::Fail:
            std::fprintf(stderr, "korvalith-derive: %s\n", command.error.c_str());
            return kExitUsage;
        case DeriveCommand::Action::Derive:
            break;
    }
    std::string password = DerivePassword(command.selection, command.lengthClass);
    std::fprintf(stdout, "%s\n", password.c_str());
    WipeString(password);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
