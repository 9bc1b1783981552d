#include "project/atomicfile.h"

#include "sheet/translation.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace project {

namespace {
// A marked text in the program's language.
std::string say(const char *italian) { return sheet::translated(italian); }
} // namespace

std::string TemporaryPathBeside(const std::string &path)
{
    static std::atomic<unsigned> counter{0};
    std::random_device device;
    const std::filesystem::path target(path);
    for (;;) {
        const auto name = target.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
            std::to_string(counter++) + "-" + std::to_string(device() % 100000);
        const auto candidate = target.parent_path() / ("." + name);
        std::error_code ec;
        if (!std::filesystem::exists(candidate, ec))
            return candidate.string();
    }
}

bool WriteFileAtomically(const std::string &path, std::string_view bytes, std::string *error)
{
    auto fail = [&](const std::string &why) {
        if (error)
            *error = why;
        return false;
    };
    if (path.empty())
        return fail(say(QT_TRANSLATE_NOOP("horalo", "Nessun nome di file.")));
    const std::string temp = TemporaryPathBeside(path);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return fail(say(QT_TRANSLATE_NOOP("horalo", "Impossibile scrivere nella cartella di «")) + path + "».");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ::close(fd);
            std::remove(temp.c_str());
            return fail(say(QT_TRANSLATE_NOOP("horalo", "Scrittura di «")) + path + say(QT_TRANSLATE_NOOP("horalo", "» non riuscita (disco pieno?).")));
        }
        done += static_cast<std::size_t>(n);
    }
    // The data must be on the disk before the new name points at it.
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        std::remove(temp.c_str());
        return fail(say(QT_TRANSLATE_NOOP("horalo", "Scrittura di «")) + path + say(QT_TRANSLATE_NOOP("horalo", "» non riuscita (disco pieno?).")));
    }
    return MoveIntoPlace(temp, path, error);
}

bool MoveIntoPlace(const std::string &temp, const std::string &path, std::string *error)
{
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (!ec)
        return true;
    std::remove(temp.c_str());
    if (error)
        *error = say(QT_TRANSLATE_NOOP("horalo", "Impossibile sostituire «")) + path + "».";
    return false;
}

} // namespace project
