#include "platform/single_instance.h"

#include <QDir>
#include <QLockFile>

SingleInstanceMarker::SingleInstanceMarker(const QString& name)
    : path_(QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock"))),
      lock_(std::make_unique<QLockFile>(path_)) {
    // The lock is never considered stale while its owner lives; a crashed owner's file is
    // recognised by QLockFile from the process id it holds and taken over.
    lock_->setStaleLockTime(0);
    owned_ = lock_->tryLock(0);
}

SingleInstanceMarker::~SingleInstanceMarker() {
    if (owned_) lock_->unlock();
}
