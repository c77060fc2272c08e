// Runs a fuzz target's harness over files and folders of inputs, without the
// fuzzing engine: ctest replays the committed seeds and findings this way, so
// the harnesses build and run with every ordinary build. Each input runs
// twice, in new windows and in the reused one, and the two must leave the
// same pad: a reset that lets state through shows here.

#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
int RunFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    const auto run = [&bytes](bool freshWindows) {
        FuzzSupport::SetFreshWindows(freshWindows);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
        return FuzzSupport::PadOfLastInput();
    };
    const QString fresh = run(true);
    const QString reused = run(false);
    if (reused != fresh) {
        std::fprintf(stderr,
                     "%s: the reused window's pad differs from a new window's\n-- new --\n%s\n-- reused --\n%s\n",
                     qPrintable(path), qPrintable(fresh), qPrintable(reused));
        return 1;
    }
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int failures = 0;
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo info(QString::fromLocal8Bit(argv[i]));
        if (info.isDir()) {
            const QFileInfoList files = QDir(info.filePath()).entryInfoList(QDir::Files, QDir::Name);
            for (const QFileInfo& file : files) {
                failures += RunFile(file.filePath());
                ++inputs;
            }
        } else if (info.exists()) {
            failures += RunFile(info.filePath());
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return failures == 0 ? 0 : 1;
}
