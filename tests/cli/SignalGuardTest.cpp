// The signal guard of vqn58-cli: a signal before a command's save stops it with nothing saved; once the
// save has run, the command's status is the save's.

#include "cli/SignalGuard.h"

#include <csignal>
#include <gtest/gtest.h>

namespace {

TEST(SignalGuard, ASignalBeforeTheSaveStopsItAndOneAfterChangesNothing) {
    const struct {
        const char* what;
        int before; // raised before the save is asked for; 0: none
        int during; // raised while the save runs; 0: none
        int status; // what SaveUnlessSignalled returns
        bool saved;
    } cases[] = {
        {"no signal", 0, 0, 7, true},
        {"Ctrl+C before", SIGINT, 0, 130, false},
        {"SIGTERM before", SIGTERM, 0, 143, false},
        {"SIGTERM during", 0, SIGTERM, 7, true},
    };
    for (const auto& c : cases) {
        const cli::SignalGuard guard;
        if (c.before != 0) {
            std::raise(c.before);
        }
        bool saved = false;
        const int status = cli::SignalGuard::SaveUnlessSignalled([&] {
            saved = true;
            if (c.during != 0) {
                std::raise(c.during);
            }
            return 7;
        });
        EXPECT_EQ(status, c.status) << c.what;
        EXPECT_EQ(saved, c.saved) << c.what;
        // What the tool exits with: a signal after the save no longer turns into 128 + n.
        EXPECT_EQ(cli::SignalGuard::Pending(), c.saved ? 0 : c.before) << c.what;
    }
}

} // namespace
