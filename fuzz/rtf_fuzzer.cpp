// The RTF reader and writer: any bytes load without harm, and what was loaded is saved so
// that it loads again with the same text, and saving that gives the same file again.
#include <QTextDocument>

#include "fuzz_support.h"
#include "rtf.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzsupport::StartGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QTextDocument loaded;
    LoadRtf(loaded, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QByteArray saved = SaveRtf(loaded);
    QTextDocument reloaded;
    if (!LoadRtf(reloaded, saved))
        fuzzsupport::Broken("a saved document is RTF");
    if (reloaded.toPlainText() != loaded.toPlainText())
        fuzzsupport::Broken("a saved document loads again with the same text");
    if (SaveRtf(reloaded) != saved)
        fuzzsupport::Broken("saving a reloaded document gives the same file");
    return 0;
}
