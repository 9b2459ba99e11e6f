#include "link/indCloneMan.h"

#include "overlay/OverlayMessages.h"
#include "overlay/cmcGTex.h"
#include "platform/Clock.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

constexpr const char* kSettings = "9600,N,8,1";
constexpr int kCommandPreamble = 12;
constexpr int kProgressPeriodMs = 30;

// Fills the "%d" and "%s" placeholders of an overlay text in order with `args`; "%%" is a percent
// sign. Anything else is copied as it stands, so no overlay text can misuse a format.
std::string FillPlaceholders(const std::string& text, std::initializer_list<std::string> args) {
    std::string out;
    auto arg = args.begin();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size()) {
            const char kind = text[i + 1];
            if (kind == '%') {
                out += '%';
                ++i;
                continue;
            }
            if ((kind == 'd' || kind == 's') && arg != args.end()) {
                out += *arg++;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// Lines of "GI_Mess_CloneErr_Check" that follow the heading of each code.
std::vector<int> CheckLines(int code) {
    switch (code) {
    case clonecode::kWriteRefused:
        return {0, 2, 3};
    case clonecode::kWrongRadio:
    case clonecode::kOtherRadio:
        return {0, 1, 2, 3, 4, 5};
    case clonecode::kMemoryUnusable:
        return {6, 7};
    case clonecode::kBadIdentity:
        return {0, 4, 5};
    case clonecode::kImageNewer:
        return {};
    default:
        return {0, 1, 2, 3};
    }
}

} // namespace

indCloneMan::indCloneMan(OverlayMessages& messages,
                         platform::ISerialDevice& device,
                         platform::ITimerSource& timers,
                         const platform::IClock& clock)
    : m_messages(messages), m_driver(device, timers, clock), m_clock(clock), m_progress(timers) {
    m_progress.SetStep(&indCloneMan::ProgressStep, this);
}

indCloneMan::~indCloneMan() {
    m_progress.Stop();
    if (m_viewOpen && m_view != nullptr) {
        m_view->EndOperation();
    }
}

void indCloneMan::SetInfoHandler(Handler handler, void* data) {
    m_info = {handler, data};
}

void indCloneMan::SetReadHandler(Handler handler, void* data) {
    m_read = {handler, data};
}

void indCloneMan::Configure() {
    m_driver.SetPort(m_portSource ? m_portSource() : 1, kSettings);
    m_driver.SetCommandPreamble(kCommandPreamble);
    m_driver.SetDataPreamble(0);
    m_driver.SetEchoCheck(true);
}

bool indCloneMan::CloneInfo(Handler completion, void* data) {
    if (IsBusy()) {
        return false;
    }
    m_totalBytes = 0;
    m_operation = clonelink::kInfo;
    m_completion = {completion, data};
    Configure();
    if (m_view != nullptr) {
        m_view->BeginOperation(m_operation);
        m_viewOpen = true;
    }
    m_driver.StartInfo(&indCloneMan::DriverDone, this);
    return true;
}

bool indCloneMan::CloneRead(const CloneRange* ranges, Handler completion, void* data, int viewOp) {
    if (IsBusy()) {
        return false;
    }
    m_totalBytes = 0;
    for (const CloneRange* r = ranges; r != nullptr && r->last >= r->first; ++r) {
        m_totalBytes += r->last - r->first + 1;
    }
    m_operation = clonelink::kRead;
    m_completion = {completion, data};
    Configure();
    m_driver.StartRead(ranges, &indCloneMan::DriverDone, this);
    BeginProgress(viewOp);
    return true;
}

bool indCloneMan::CloneWrite(const cmcEeprom& image, const CloneRange* ranges, Handler completion, void* data) {
    if (IsBusy() || ranges == nullptr) {
        return false;
    }
    m_totalBytes = 0;
    for (const CloneRange* r = ranges; r->last >= r->first; ++r) {
        m_totalBytes += r->last - r->first + 1;
    }
    m_operation = clonelink::kWrite;
    m_completion = {completion, data};
    Configure();
    m_driver.StartWrite(image, ranges, &indCloneMan::DriverDone, this);
    BeginProgress(m_operation);
    return true;
}

void indCloneMan::BeginProgress(int op) {
    m_firstByteMs.reset();
    if (m_view != nullptr) {
        m_view->BeginOperation(op);
        m_view->ShowProgress(Progress());
        m_viewOpen = true;
    }
    m_progress.SetPeriod(kProgressPeriodMs);
}

int indCloneMan::FilledCells(int dataBytes, int totalBytes) {
    return totalBytes > 0 ? static_cast<int>(33LL * dataBytes / totalBytes) : 0;
}

int indCloneMan::SecondsLeft(int done, int total, std::uint32_t elapsedMs) {
    if (done <= 0) {
        return -1;
    }
    const long long left = std::max(0, total - done);
    return static_cast<int>((left * elapsedMs + 1000LL * done - 1) / (1000LL * done));
}

clonelink::CloneProgress indCloneMan::Progress() {
    const int done = m_driver.DataBytes();
    const std::uint32_t now = m_clock.NowMs();
    if (done > 0 && !m_firstByteMs) {
        m_firstByteMs = now;
    }
    // The time to the first data byte (the information exchange, the request) is no pace of the data.
    const std::uint32_t elapsed = m_firstByteMs ? now - *m_firstByteMs : 0;
    const int left = elapsed > 0 ? SecondsLeft(done, m_totalBytes, elapsed) : -1;
    return {FilledCells(done, m_totalBytes), done, m_totalBytes, left};
}

void indCloneMan::ProgressStep(void* data, cmcTask* /*task*/) {
    auto* self = static_cast<indCloneMan*>(data);
    if (self->m_view != nullptr && self->m_viewOpen) {
        self->m_view->ShowProgress(self->Progress());
    }
    if (!self->IsBusy()) {
        self->m_progress.SetPeriod(-1);
    }
}

void indCloneMan::DriverDone(void* data, dst_CDrv_Result& result) {
    static_cast<indCloneMan*>(data)->OnDriverDone(result);
}

void indCloneMan::OnDriverDone(dst_CDrv_Result& result) {
    // Without a handler nobody vouches for the reply: success becomes failure, but a failure keeps its
    // own code, so the user is told what really went wrong.
    if (result.op == clonelink::kInfo) {
        if (m_info.handler != nullptr) {
            m_info.handler(m_info.data, result);
        } else if (result.code == clonecode::kSuccess) {
            result.code = clonecode::kWrongRadio;
        }
    } else if (result.op == clonelink::kRead) {
        if (m_read.handler != nullptr) {
            m_read.handler(m_read.data, result);
        } else if (result.code == clonecode::kSuccess) {
            result.code = clonecode::kMissingData;
        }
    }
    bool fixPort = false;
    if (result.code != clonecode::kSuccess && m_reportFailures) {
        const bool portFault = result.code == clonecode::kPortFailed || result.code == clonecode::kEchoFailed ||
                               result.code == clonecode::kNoReply;
        if (portFault && m_portFix) {
            fixPort = m_messages.ShowWithAction(ErrorText(result.code), OverlayMessages::Icon::Error, m_portFixLabel) ==
                      OverlayMessages::Answer::Yes;
        } else {
            m_messages.Show(ErrorText(result.code), OverlayMessages::Icon::Error, OverlayMessages::Buttons::Ok);
        }
    }
    if (m_view != nullptr && m_viewOpen) {
        m_view->ShowProgress(Progress());
        m_view->EndOperation();
    }
    m_viewOpen = false;
    if (m_completion.handler != nullptr) {
        const Callback completion = m_completion;
        m_completion = {};
        completion.handler(completion.data, result);
    }
    if (fixPort && !IsBusy()) {
        m_portFix();
    }
}

std::string indCloneMan::ErrorText(int code) {
    if (code == clonecode::kSuccess) {
        return {};
    }
    cmcGTex& gtex = m_messages.Overlay();
    std::string text;
    if (code == clonecode::kPortFailed) {
        text = m_deviceName.empty()
                   ? FillPlaceholders(gtex.GetLine("GI_Mess_CloneErr_Head", 2), {std::to_string(m_driver.Port())})
                   : FillPlaceholders(gtex.GetLine("GI_Mess_CloneErr_Device", 0), {m_deviceName});
        const std::string why = OpenFailureText();
        if (!why.empty()) {
            text += "\n" + why;
        }
    } else {
        text = gtex.GetLine("GI_Mess_CloneErr_Head", code);
    }
    text += "\n\n";
    const std::vector<int> lines = CheckLines(code);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? "" : "\n") + gtex.GetLine("GI_Mess_CloneErr_Check", lines[i]);
    }
    return text;
}

std::string indCloneMan::OpenFailureText() {
    using Kind = platform::OpenFailure::Kind;
    const platform::OpenFailure& failure = m_driver.Comm().LastOpenFailure();
    cmcGTex& gtex = m_messages.Overlay();
    switch (failure.kind) {
    case Kind::Busy:
        return FillPlaceholders(gtex.GetLine("GI_Mess_CloneErr_Port", 0), {failure.device});
    case Kind::Missing:
        return FillPlaceholders(gtex.GetLine("GI_Mess_CloneErr_Port", 1), {failure.device});
    case Kind::Denied:
        if (!failure.ownerGroup.empty()) {
            return FillPlaceholders(gtex.GetLine("GI_Mess_CloneErr_Port", 2), {failure.device, failure.ownerGroup});
        }
        return FillPlaceholders(gtex.GetLine("GI_Mess_CloneErr_Port", 3), {failure.device});
    case Kind::NotSerial:
        return FillPlaceholders(gtex.GetLine("GI_Mess_CloneErr_Port", 4), {failure.device});
    case Kind::None:
        break;
    }
    return {};
}
