#include "desktop/FileCopy.h"

#include <QFile>

namespace orvel {

namespace fs = std::filesystem;

namespace {

// The new file's name beside the target; a dot in front hides it from listings.
fs::path partPath(const fs::path &target)
{
    return target.parent_path() / ("." + target.filename().string() + ".part");
}

// Puts the complete new file in the target's place, or removes it after `error`.
std::error_code finish(const fs::path &part, const fs::path &target, std::error_code error)
{
    if (!error)
        fs::rename(part, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(part, ignored);
    }
    return error;
}

} // namespace

fs::path FileCopy::native(const QString &path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

std::error_code FileCopy::replace(const QString &source, const QString &target)
{
    const fs::path from = native(source);
    const fs::path to = native(target);
    const fs::path part = partPath(to);
    std::error_code error;
    const std::uintmax_t size = fs::file_size(from, error);
    if (error)
        return error;
    fs::copy_file(from, part, fs::copy_options::overwrite_existing, error);
    if (!error && fs::file_size(part, error) != size && !error)
        error = std::make_error_code(std::errc::io_error); // a short write
    return finish(part, to, error);
}

std::error_code FileCopy::mirror(const QString &source, const QString &target)
{
    const fs::path from = native(source);
    const fs::path to = native(target);
    const fs::path part = partPath(to);
    std::error_code error;
    fs::remove(part, error);
    fs::create_hard_link(from, part, error);
    if (error)
        return replace(source, target); // another file system, or links not supported
    return finish(part, to, error);
}

} // namespace orvel
