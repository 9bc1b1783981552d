#include "files/atomicfile.h"

#include "sheet/translation.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace files {

namespace {
// A marked text in the program's language.
std::string say(const char *italian) { return sheet::translated(italian); }
} // namespace

std::string FinalTarget(const std::string &path)
{
    // A link to a link is followed to the end, as the system does (at most 40 links, its own
    // limit); a relative link is read from the folder the link stands in. A link whose file
    // does not exist yet still names it: the file is made there.
    std::filesystem::path target(path);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec)))
            break;
        const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec)
            break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target.string();
}

std::string TemporaryPathBeside(const std::string &path)
{
    static std::atomic<unsigned> counter{0};
    std::random_device device;
    // A short name of its own: the target's name may already be as long as a name can be.
    const std::filesystem::path folder = std::filesystem::path(FinalTarget(path)).parent_path();
    for (;;) {
        const std::string name = ".horalo-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
            std::to_string(device() % 100000) + ".tmp";
        const auto candidate = folder / name;
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(candidate, ec)))
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
        return fail(sheet::translatedWith(QT_TRANSLATE_NOOP("horalo", "Impossibile scrivere nella cartella di «%1»."), {path}));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ::close(fd);
            std::remove(temp.c_str());
            return fail(sheet::translatedWith(QT_TRANSLATE_NOOP("horalo", "Scrittura di «%1» non riuscita (disco pieno?)."), {path}));
        }
        done += static_cast<std::size_t>(n);
    }
    // The data must be on the disk before the new name points at it.
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        std::remove(temp.c_str());
        return fail(sheet::translatedWith(QT_TRANSLATE_NOOP("horalo", "Scrittura di «%1» non riuscita (disco pieno?)."), {path}));
    }
    return MoveIntoPlace(temp, path, error);
}

bool MoveIntoPlace(const std::string &temp, const std::string &path, std::string *error)
{
    std::error_code ec;
    std::filesystem::rename(temp, FinalTarget(path), ec);
    if (!ec)
        return true;
    std::remove(temp.c_str());
    if (error)
        *error = sheet::translatedWith(QT_TRANSLATE_NOOP("horalo", "Impossibile sostituire «%1»."), {path});
    return false;
}

} // namespace files
