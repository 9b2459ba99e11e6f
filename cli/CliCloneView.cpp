#include "cli/CliCloneView.h"

#include <algorithm>
#include <unistd.h>

namespace cli {

namespace {
constexpr int kCells = 32;
} // namespace

CliCloneView::CliCloneView(std::function<std::string(int op)> doing,
                           std::function<std::string(const clonelink::CloneProgress& progress)> detail)
    : m_doing(std::move(doing)), m_detail(std::move(detail)), m_terminal(::isatty(2) != 0) {}

void CliCloneView::BeginOperation(int op) {
    m_last.clear();
    m_drawn = m_terminal && op != clonelink::kInfo;
    if (m_drawn && m_doing) {
        m_label = m_doing(op);
    }
}

void CliCloneView::ShowProgress(const clonelink::CloneProgress& progress) {
    if (!m_drawn) {
        return;
    }
    const auto filled = static_cast<std::size_t>(std::clamp(progress.filledCells, 0, kCells));
    std::string line = m_label + " [" + std::string(filled, '#') + std::string(kCells - filled, '.') + "]";
    if (m_detail) {
        line += " " + m_detail(progress);
    }
    if (line == m_last) {
        return;
    }
    // Blanks over what a longer line before left.
    const std::size_t clear = m_last.size() > line.size() ? m_last.size() - line.size() : 0;
    m_last = line;
    std::fprintf(stderr, "\r%s%s", line.c_str(), std::string(clear, ' ').c_str());
    std::fflush(stderr);
}

void CliCloneView::EndOperation() {
    if (m_drawn) {
        std::fputc('\n', stderr);
        std::fflush(stderr);
    }
    m_drawn = false;
}

} // namespace cli
