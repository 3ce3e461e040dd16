// bench_registry_calls: the host calls of one run of GLYPHER on a machine
// where every value exists, from the in-memory host's log: before the dialog
// shows (version stamp and load), and after OK with ten valid paths (apply).
// Prints one line per part: its name, a tab, and the count per operation.
#include <cstdio>
#include <string>
#include <vector>

#include "app/EditCycle.h"
#include "tests/support/FakeHost.h"

namespace {
const char* const kOperations[] = {"open", "query", "close", "create", "set", "broadcast"};

// Presses OK once with a valid path in every field, noting how many calls came first.
class OkWithValidPaths : public IconEditor {
public:
    explicit OkWithValidPaths(const FakeHost& host) : m_host(host) {}
    CString& EditedPath(IconSlot slot) override { return m_paths[slot]; }
    int RunModal() override {
        callsBeforeShowing = m_host.Log().size();
        for (int slot = 0; slot < kIconSlotCount; ++slot) {
            m_paths[slot] = ("C:\\bench\\" + std::to_string(slot) + ".ico").c_str();
        }
        return kModalOk;
    }

    size_t callsBeforeShowing = 0;

private:
    const FakeHost& m_host;
    CString m_paths[kIconSlotCount];
};

void PrintCounts(const char* part, std::vector<std::string>::const_iterator begin,
                 std::vector<std::string>::const_iterator end) {
    std::string counts;
    for (const char* operation : kOperations) {
        int count = 0;
        for (auto line = begin; line != end; ++line) {
            if (line->substr(0, line->find(' ')) == operation) ++count;
        }
        if (!counts.empty()) counts += ", ";
        counts += std::string(operation) + " " + std::to_string(count);
    }
    std::printf("%s\t%s\n", part, counts.c_str());
}
}  // namespace

int main() {
    FakeHost host;
    for (const IconSlotDef& def : kIconSlots) {
        host.Seed(def.root, def.subKey, def.valueName, kRegSz, "C:\\old\\" + std::to_string(def.slot) + ".ico,0");
    }
    host.Seed(RegistryRoot::ClassesRoot, kRecycleBinIconKey, "", kRegSz, "C:\\old\\bin.ico,0");
    host.Seed(RegistryRoot::CurrentUser, "Control Panel\\desktop\\windowmetrics", "Shell Icon Size", kRegSz, "32");
    host.Seed(RegistryRoot::LocalMachine, "SOFTWARE\\KESTRAWN\\GLYPHER", "CurrentVersion", kRegSz, "1.01");

    IconTable table;
    OkWithValidPaths editor(host);
    RunEditCycle(host, table, editor);

    const std::vector<std::string>& log = host.Log();
    PrintCounts("start", log.begin(), log.begin() + editor.callsBeforeShowing);
    PrintCounts("apply", log.begin() + editor.callsBeforeShowing, log.end());
    return 0;
}
