#include "speeddial/file_image.h"

#include <algorithm>
#include <fstream>
#include <new>

#include "app/reader_result.h"

int LoadFileImage(const std::string& path, std::vector<char>& image) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return kOpenFailed;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0 || !file.seekg(0, std::ios::beg)) {
        return kSizeFailed;
    }
    try {
        image.assign(static_cast<std::size_t>(size) + 1, '\0');
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    } catch (const std::length_error&) {
        return kOutOfMemory;
    }
    file.read(image.data(), size);
    const std::streamsize read = file.gcount();
    if (read <= 0) {
        image.clear();
        return kReadFailed;
    }
    image.resize(static_cast<std::size_t>(read) + 1);
    return 0;
}

bool CutLines(std::vector<char>& image, std::size_t start, std::vector<char*>& lines) {
    const std::size_t length = image.empty() ? 0 : image.size() - 1;
    start = std::min(start, length);
    const auto lineFeeds = std::count(image.begin() + static_cast<std::ptrdiff_t>(start),
                                      image.begin() + static_cast<std::ptrdiff_t>(length), '\n');
    lines.clear();
    try {
        lines.reserve(static_cast<std::size_t>(lineFeeds) + 1);
    } catch (const std::bad_alloc&) {
        return false;
    }
    lines.push_back(image.data() + start);
    for (std::size_t pos = start; pos < length; ++pos) {
        if (image[pos] != '\n') {
            continue;
        }
        if (pos > start && image[pos - 1] == '\r') {
            image[pos - 1] = '\0';
        } else {
            image[pos] = '\0';
        }
        lines.push_back(image.data() + pos + 1);
    }
    return true;
}
