#include "view/FileOps.h"

#include "app/core/Prompts.h"

namespace lum::files {

namespace {
class StubPrompts : public Prompts {
public:
    void Message(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};
}  // namespace

Prompts& FallbackPrompts() {
    static StubPrompts p;
    return p;
}

}  // namespace lum::files
