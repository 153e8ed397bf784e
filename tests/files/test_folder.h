#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace files {

// A fresh empty folder for one test, removed with everything in it afterwards.
class TestFolder {
  public:
    QString path(const QString& name) const { return folder_.filePath(name); }

    QStringList entries() const {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray read(const QString& name) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    }

  private:
    QTemporaryDir folder_;
};

// While it lives, no file of this process may grow past a few bytes: the system refuses the
// write, the way a full disk does.
class TinyFileSizeLimit {
  public:
    static constexpr rlim_t kBytes = 16;

    TinyFileSizeLimit() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        savedSignal_ = signal(SIGXFSZ, SIG_IGN);  // a refused write, not a killed process
        rlimit tiny = saved_;
        tiny.rlim_cur = kBytes;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~TinyFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, savedSignal_);
    }
    TinyFileSizeLimit(const TinyFileSizeLimit&) = delete;
    TinyFileSizeLimit& operator=(const TinyFileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    sighandler_t savedSignal_ = SIG_DFL;
};

}  // namespace files
