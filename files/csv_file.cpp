#include "csv_file.h"

#include "text_file.h"

namespace r36::files {

bool hasCsvExtension(const QString& path) {
    return path.right(4).toUpper() == ".CSV";
}

Outcome exportCsv(const QString& path, const image::CloneImage& image,
                  const std::vector<std::string>& labels,
                  const std::function<void(int row)>& progress) {
    return writeTextFileAtomically(path, csvText(image, labels, progress));
}

CsvImport importCsv(const QString& path) {
    CsvImport result;
    if (!isStandardStream(path) && !hasCsvExtension(path)) {
        result.outcome = wrongFileName(path);
        return result;
    }
    std::string text;
    if (Outcome read = readTextFile(path, text); !read) {
        result.outcome = read;
        return result;
    }
    return parseCsv(text);
}

} // namespace r36::files
