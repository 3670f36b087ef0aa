#include "support/data_file_error_text.h"

#include "store/data_file_error.h"

QString dataFileErrorText(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const store::DataFileError& error) {
        return error.text();
    }
    return QString();
}
