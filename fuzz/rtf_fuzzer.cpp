// The RTF reader and writer: any bytes load without harm; what was loaded is saved so that
// it loads again with the same text; and a page as the program saves it loads and saves
// again unchanged.
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
    QTextDocument reloaded;
    if (!LoadRtf(reloaded, SaveRtf(loaded)))
        fuzzsupport::Broken("a saved document is RTF");
    if (reloaded.toPlainText() != loaded.toPlainText())
        fuzzsupport::Broken("a saved document loads again with the same text");
    const QByteArray saved = SaveRtf(reloaded);
    QTextDocument again;
    LoadRtf(again, saved);
    if (SaveRtf(again) != saved)
        fuzzsupport::Broken("a saved page loads and saves again unchanged");
    return 0;
}
