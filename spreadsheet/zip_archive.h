#pragma once
// Internal: an .xlsx file is a zip archive of parts; this owns the libzip handle.
#include <list>
#include <memory>
#include <string>

struct zip;

namespace spreadsheet {

class ZipArchive {
public:
    enum class Mode { Read, Edit };
    ZipArchive(const std::string& path, Mode mode);

    const std::string& path() const { return path_; }
    bool has(const std::string& name) const;
    std::string read(const std::string& name) const;

    // Changes reach the file only at commit(), which closes the archive.
    void write(const std::string& name, std::string data);
    void remove(const std::string& name);
    void commit();

private:
    struct Discard {
        void operator()(zip* archive) const;
    };
    zip* handle() const;
    long long locate(const std::string& name) const;  // -1 when absent

    std::string path_;
    std::unique_ptr<zip, Discard> zip_;
    std::list<std::string> pending_;  // libzip reads written data only at commit
};

}  // namespace spreadsheet
