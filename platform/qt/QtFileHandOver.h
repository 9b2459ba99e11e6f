#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace platform {

// Hands a file to open from a second copy of the desktop program to the copy already running, over a
// local socket in the user's runtime directory (private to the user). The running copy listens; a
// second copy started with a file sends its full path and ends; one started without a file sends an
// empty message, which asks the running copy to come to the front. One path per connection, UTF-8, at
// most kMaxPathBytes; anything longer or not a full path is dropped.
class QtFileHandOver final : public QObject {
public:
    static constexpr int kMaxPathBytes = 4096;

    // Listens on the socket `name` in `directory` (by default the runtime directory); `opened` is
    // called with each path received. A socket left by a copy that died is replaced.
    QtFileHandOver(const std::string& name, std::function<void(const std::filesystem::path&)> opened);
    QtFileHandOver(const std::string& name,
                   const std::filesystem::path& directory,
                   std::function<void(const std::filesystem::path&)> opened);
    ~QtFileHandOver() override;

    // Whether the socket is being listened on.
    bool Listening() const;
    // Called for each empty message: a copy started without a file asks to see the running one.
    void OnShowRequest(std::function<void()> show) { m_show = std::move(show); }

    // Sends `file` (made a full path) to the copy listening on `name`; false when none answers within
    // `timeoutMs` or the path cannot be sent.
    static bool Send(const std::string& name, const std::filesystem::path& file, int timeoutMs = 1000);
    static bool Send(const std::string& name,
                     const std::filesystem::path& directory,
                     const std::filesystem::path& file,
                     int timeoutMs = 1000);

    // Asks the copy listening on `name` to come to the front; false when none answers within `timeoutMs`.
    static bool SendShow(const std::string& name, int timeoutMs = 1000);
    static bool SendShow(const std::string& name, const std::filesystem::path& directory, int timeoutMs = 1000);

    // The socket's full path for `name` in `directory`.
    static QString SocketPath(const std::string& name, const std::filesystem::path& directory);
    // The user's runtime directory (the temporary directory when the system has none).
    static std::filesystem::path RuntimeDirectory();

private:
    void Accept();

    std::unique_ptr<QLocalServer> m_server;
    std::function<void(const std::filesystem::path&)> m_opened;
    std::function<void()> m_show;
};

} // namespace platform
