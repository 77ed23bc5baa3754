#include "spreadsheet/zip_archive.h"

#include <zip.h>

#include "spreadsheet/error.h"

namespace spreadsheet {

void ZipArchive::Discard::operator()(zip* archive) const {
    zip_discard(archive);
}

ZipArchive::ZipArchive(const std::string& path, Mode mode) : path_(path) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), mode == Mode::Read ? ZIP_RDONLY : 0, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        std::string message = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw Error("cannot open " + path + ": " + message);
    }
    zip_.reset(archive);
}

zip* ZipArchive::handle() const {
    if (!zip_) throw Error(path_ + " was already saved and closed");
    return zip_.get();
}

long long ZipArchive::locate(const std::string& name) const {
    // Part names are case-insensitive in the package format.
    return zip_name_locate(handle(), name.c_str(), ZIP_FL_NOCASE);
}

bool ZipArchive::has(const std::string& name) const {
    return locate(name) >= 0;
}

std::string ZipArchive::read(const std::string& name) const {
    long long index = locate(name);
    if (index < 0) throw Error("no part " + name + " in " + path_);
    zip_stat_t stat;
    if (zip_stat_index(handle(), index, 0, &stat) != 0)
        throw Error("cannot read " + name + " in " + path_ + ": " + zip_strerror(handle()));
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(zip_fopen_index(handle(), index, 0),
                                                           zip_fclose);
    if (!file) throw Error("cannot read " + name + " in " + path_ + ": " + zip_strerror(handle()));
    std::string data(stat.size, '\0');
    zip_int64_t got = zip_fread(file.get(), data.data(), data.size());
    if (got != zip_int64_t(data.size()))
        throw Error("cannot read " + name + " in " + path_ + ": " + zip_file_strerror(file.get()));
    return data;
}

void ZipArchive::write(const std::string& name, std::string data) {
    const std::string& kept = pending_.emplace_back(std::move(data));
    zip_source_t* source = zip_source_buffer(handle(), kept.data(), kept.size(), 0);
    if (!source)
        throw Error("cannot write " + name + " in " + path_ + ": " + zip_strerror(handle()));
    long long index = locate(name);
    bool ok = index >= 0 ? zip_file_replace(handle(), index, source, 0) == 0
                         : zip_file_add(handle(), name.c_str(), source, ZIP_FL_ENC_UTF_8) >= 0;
    if (!ok) {
        zip_source_free(source);
        throw Error("cannot write " + name + " in " + path_ + ": " + zip_strerror(handle()));
    }
}

void ZipArchive::remove(const std::string& name) {
    long long index = locate(name);
    if (index >= 0 && zip_delete(handle(), index) != 0)
        throw Error("cannot remove " + name + " from " + path_ + ": " + zip_strerror(handle()));
}

void ZipArchive::commit() {
    if (zip_close(handle()) != 0)
        throw Error("cannot save " + path_ + ": " + zip_strerror(handle()));
    zip_.release();
    pending_.clear();
}

}  // namespace spreadsheet
