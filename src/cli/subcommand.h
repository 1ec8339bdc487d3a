// A sub-command among the companion tool's forms: the options it reads and
// the parser's record of it, which tells whether the command line named it.
#pragma once

namespace CLI {
class App;
}

namespace colmara {

template <class Options>
struct SubCommand {
    Options options;
    CLI::App* app = nullptr;  // set when declared
};

}  // namespace colmara
