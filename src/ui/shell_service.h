#pragma once

#include <QString>

// Shell "open": a web address in the default browser, a file in its default application.
// Each returns false when nothing could be started. GUI tests record the requests instead.
class ShellService {
public:
    virtual ~ShellService() = default;
    virtual bool openUrl(const QString& url) = 0;
    virtual bool openFile(const QString& path) = 0;
};

class QtShellService final : public ShellService {
public:
    bool openUrl(const QString& url) override;
    bool openFile(const QString& path) override;
};
