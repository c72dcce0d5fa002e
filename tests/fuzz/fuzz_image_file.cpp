// SPDX-License-Identifier: MIT
// The file loader on any file content: a file is taken exactly when it is a
// configuration image (715 bytes up to the maximum, decodable), and then with
// every byte as it was, or a configuration text, and then as the image it
// reads to; otherwise there is a reason and no bytes. The check on
// bytes is tried with the window's and the write's maximum, the file with the
// write's, which the fuzzed lengths reach.
#include "ConfigImage.h"
#include "ConfigText.h"
#include "FuzzInput.h"
#include "ImageCodec.h"
#include "ImageFile.h"

#include <QFile>
#include <QTemporaryDir>

using namespace ConfigImageLayout;

namespace {

bool isImage(const QByteArray &bytes, bool decodes, qsizetype maximum)
{
    return bytes.size() >= DecodedLength && bytes.size() <= maximum && decodes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("image.bin"));
    const QByteArray bytes = fuzzBytes(data, size);
    const bool decodes = decodeImage(bytes, CommandTable()).ok();
    for (const qsizetype maximum : {ImageFile::WindowMaximum, ImageFile::WriteMaximum})
        FUZZ_CHECK(ImageFile::problemWith(bytes, maximum).isEmpty() == isImage(bytes, decodes, maximum));

    // Overwritten, then cut to length: a truncation to zero makes ext4 flush
    // the file to disk on close, which costs most of the run's time.
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadWrite));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    FUZZ_CHECK(file.resize(bytes.size()));
    file.close();
    const ImageFile::Loaded loaded = ImageFile::load(path, ImageFile::WriteMaximum);
    if (ConfigText::formOfContent(bytes) != ConfigText::Form::Image) {
        // A configuration text stands for the image it encodes to.
        const ConfigText::Reading reading = ConfigText::read(bytes);
        FUZZ_CHECK(loaded.ok() == reading.ok() && loaded.bytes == reading.image);
        return 0;
    }
    FUZZ_CHECK(loaded.ok() == isImage(bytes, decodes, ImageFile::WriteMaximum));
    if (loaded.ok())
        FUZZ_CHECK(loaded.bytes == bytes);
    else
        FUZZ_CHECK(loaded.bytes.isEmpty() && loaded.problem.contains(QStringLiteral("image.bin")));
    return 0;
}
