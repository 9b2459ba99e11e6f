#pragma once

#include "link/ICloneView.h"

#include <functional>
#include <string>

namespace cli {

// The progress of a clone read or write on standard error, drawn only when standard error is a
// terminal: what runs on which device, a 32-cell bar, the bytes done of the bytes expected and the time
// left, on one line that is redrawn.
class CliCloneView final : public clonelink::ICloneView {
public:
    // `doing` names operation `op` (clonelink::kRead, kWrite); `detail` words the bytes and the time left.
    CliCloneView(std::function<std::string(int op)> doing,
                 std::function<std::string(const clonelink::CloneProgress& progress)> detail);
    void BeginOperation(int op) override;
    void ShowProgress(const clonelink::CloneProgress& progress) override;
    void EndOperation() override;

private:
    std::function<std::string(int op)> m_doing;
    std::function<std::string(const clonelink::CloneProgress& progress)> m_detail;
    std::string m_label;
    bool m_terminal = false;
    bool m_drawn = false;
    std::string m_last;
};

} // namespace cli
