#include "files/atomicfile.h"

#include "sheet/translation.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
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

std::string SystemReason(int error)
{
    switch (error) {
    case ENOSPC:
        return say(QT_TRANSLATE_NOOP("horalo", "il disco è pieno"));
#ifdef EDQUOT
    case EDQUOT:
        return say(QT_TRANSLATE_NOOP("horalo", "lo spazio concesso su questo disco è esaurito"));
#endif
    case EFBIG:
        return say(QT_TRANSLATE_NOOP("horalo", "il file supera la dimensione più grande che si può scrivere qui"));
    case EIO:
        return say(QT_TRANSLATE_NOOP("horalo", "errore del disco"));
    case EACCES:
    case EPERM:
        return say(QT_TRANSLATE_NOOP("horalo", "permesso negato"));
    case EROFS:
        return say(QT_TRANSLATE_NOOP("horalo", "il disco è in sola lettura"));
    case ENOENT:
        return say(QT_TRANSLATE_NOOP("horalo", "la cartella non esiste"));
    case ENOTDIR:
        return say(QT_TRANSLATE_NOOP("horalo", "una parte del percorso non è una cartella"));
    case ENAMETOOLONG:
        return say(QT_TRANSLATE_NOOP("horalo", "il nome è troppo lungo"));
    case EISDIR:
        return say(QT_TRANSLATE_NOOP("horalo", "al suo posto c'è una cartella"));
    case ELOOP:
        return say(QT_TRANSLATE_NOOP("horalo", "troppi collegamenti simbolici uno dopo l'altro"));
    case EMFILE:
    case ENFILE:
        return say(QT_TRANSLATE_NOOP("horalo", "troppi file aperti"));
    default:
        break;
    }
    // Anything rarer in the system's own words, with its number for whoever looks it up.
    return sheet::translatedWith(QT_TRANSLATE_NOOP("horalo", "errore del sistema %1 (%2)"),
                                 {std::to_string(error), std::strerror(error)});
}

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

std::string FolderRefusal(const std::string &path, int error)
{
    return sheet::translatedWith(QT_TRANSLATE_NOOP("horalo", "Impossibile scrivere nella cartella di «%1»: %2."),
                                 {path, SystemReason(error)});
}

std::string WriteRefusal(const std::string &path, int error)
{
    return sheet::translatedWith(QT_TRANSLATE_NOOP("horalo", "«%1» non è stato scritto: %2 (nessun file è stato cambiato)."),
                                 {path, SystemReason(error)});
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

namespace {

// Why the file a write would replace cannot be replaced by a new file: a folder, a device such
// as /dev/full or /dev/null, a FIFO or a socket is never swapped for a regular file (a program
// run by the system's administrator could otherwise put a file in a device's place). Empty when
// it is a regular file or not there yet.
std::string notReplaceable(const std::string &path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(FinalTarget(path), ec);
    if (ec || status.type() == std::filesystem::file_type::not_found || status.type() == std::filesystem::file_type::regular)
        return {};
    return sheet::translatedWith(status.type() == std::filesystem::file_type::directory
                                     ? QT_TRANSLATE_NOOP("horalo", "«%1» è una cartella: scegliere un nome di file.")
                                     : QT_TRANSLATE_NOOP("horalo", "«%1» non è un file ordinario (è un dispositivo, una coda o un socket): scegliere un nome di file."),
                                 {path});
}

} // namespace

bool WriteFileAtomically(const std::string &path, std::string_view bytes, std::string *error)
{
    auto fail = [&](const std::string &why) {
        if (error)
            *error = why;
        return false;
    };
    if (path.empty())
        return fail(say(QT_TRANSLATE_NOOP("horalo", "Nessun nome di file.")));
    if (const std::string why = notReplaceable(path); !why.empty())
        return fail(why);
    const std::string temp = TemporaryPathBeside(path);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return fail(FolderRefusal(path, errno));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A write that takes nothing without an error is a disk with no room left.
            const int why = n < 0 ? errno : ENOSPC;
            ::close(fd);
            std::remove(temp.c_str());
            return fail(WriteRefusal(path, why));
        }
        done += static_cast<std::size_t>(n);
    }
    // The data must be on the disk before the new name points at it.
    const int synced = ::fsync(fd) == 0 ? 0 : errno;
    const int closed = ::close(fd) == 0 ? 0 : errno;
    if (synced != 0 || closed != 0) {
        std::remove(temp.c_str());
        return fail(WriteRefusal(path, synced != 0 ? synced : closed));
    }
    return MoveIntoPlace(temp, path, error);
}

bool MoveIntoPlace(const std::string &temp, const std::string &path, std::string *error)
{
    if (const std::string why = notReplaceable(path); !why.empty()) {
        std::remove(temp.c_str());
        if (error)
            *error = why;
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, FinalTarget(path), ec);
    if (!ec)
        return true;
    std::remove(temp.c_str());
    if (error)
        *error = sheet::translatedWith(QT_TRANSLATE_NOOP("horalo", "Impossibile sostituire «%1»: %2."),
                                       {path, SystemReason(ec.value())});
    return false;
}

} // namespace files
