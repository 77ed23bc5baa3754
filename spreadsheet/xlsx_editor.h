#pragma once
// Changes cells of an existing .xlsx in place. Every part of the file not edited (styles,
// other sheets, shared strings) is kept byte for byte; in an edited sheet only the edited
// cells change.
#include <memory>
#include <string>
#include <string_view>

#include "spreadsheet/error.h"

namespace spreadsheet {

class XlsxEditor {
public:
    explicit XlsxEditor(const std::string& path);
    ~XlsxEditor();

    // The text goes into the cell itself (an inline string), so the shared strings stay as
    // they are; the cell keeps its style. Rows and cells are made where missing.
    void setText(std::string_view sheet, int row, int col, std::string_view text);

    // Writes the file; the editor is finished afterwards.
    void save();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace spreadsheet
