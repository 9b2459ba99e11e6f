#pragma once

#include "link/ICloneView.h"

#include <cstdio>
#include <string>

namespace cli {

// The progress of a clone read or write as a 32-cell bar on standard error, drawn only when standard
// error is a terminal.
class CliCloneView final : public clonelink::ICloneView {
public:
    explicit CliCloneView(std::string label);
    void BeginOperation(int op) override;
    void ShowProgress(int filledCells) override;
    void EndOperation() override;

private:
    std::string m_label;
    bool m_terminal = false;
    bool m_drawn = false;
    int m_last = -1;
};

} // namespace cli
