#include "settings/FileStore.h"

namespace zorbel {

bool writeFileAtomically(FileStore& store, const std::u16string& path, std::string_view bytes) {
    // The temporary file sits in the same folder so that the replace stays on one volume.
    const std::u16string temporary = path + u".tmp";
    auto writer = store.createForWriting(temporary);
    if (!writer) {
        store.remove(temporary);
        return false;
    }
    if (!writer->write(bytes) || !writer->flush()) {
        (void)writer->close();
        writer.reset();
        store.remove(temporary);
        return false;
    }
    const bool closed = writer->close();
    writer.reset();
    // The file must be closed before the replace: an open file cannot be renamed on Windows.
    if (!closed || !store.replace(temporary, path)) {
        store.remove(temporary);
        return false;
    }
    return true;
}

} // namespace zorbel
