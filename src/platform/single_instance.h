#pragma once

#include <QString>

#include <memory>

class QLockFile;

// The named marker "AM_Sestavia" that tells other programs (an installer, an updater) that the
// program is running. It is a lock file in the temporary folder, held for the life of the
// object. A second copy still runs; it simply does not own the marker.
class SingleInstanceMarker {
public:
    explicit SingleInstanceMarker(const QString& name = QStringLiteral("AM_Sestavia"));
    ~SingleInstanceMarker();
    SingleInstanceMarker(const SingleInstanceMarker&) = delete;
    SingleInstanceMarker& operator=(const SingleInstanceMarker&) = delete;

    // False when another running copy already holds the marker.
    bool owned() const { return owned_; }
    QString path() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool owned_ = false;
};
