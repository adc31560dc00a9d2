#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include <set>
#include <vector>

#include "content_api.h"
#include "day_icon_keys.h"
#include "jpeg_image.h"
#include "repro_files.h"

namespace {

// A supplemental library holding the given keys; main icons as the calendar maps them.
TIconLookup Lookup(std::set<uint16_t> supplemental, uint16_t (*mainIconOf)(uint16_t))
{
    return {[supplemental](uint16_t key) {
                return supplemental.count(static_cast<uint16_t>(key + FirstSupplementalKey)) > 0;
            },
            mainIconOf};
}

std::vector<uint16_t> Steps(uint16_t key, uint16_t base, bool iconFound, const TIconLookup& lookup, int count)
{
    std::vector<uint16_t> keys;
    for (int i = 0; i < count; ++i)
        keys.push_back(key = NextIconKey(key, base, iconFound, lookup));
    return keys;
}

uint16_t Itself(uint16_t key) { return key; }
uint16_t January3To106(uint16_t key) { return key == 103 || key == 102 ? 106 : key; }
uint16_t March24To325(uint16_t key) { return key == 324 ? 325 : key; }
uint16_t PalmSundayOnMarch24(uint16_t key) { return key == 324 ? 1 : key; }
uint16_t May25To107(uint16_t key) { return key == 525 ? 107 : key; }

} // namespace

TEST(DayIconKeys, GenericIconsByMonth)
{
    EXPECT_EQ(GenericIconKey(130), 106);
    EXPECT_EQ(GenericIconKey(530), 5);
    EXPECT_EQ(GenericIconKey(813), 806);
    EXPECT_EQ(GenericIconKey(814), 815);
    EXPECT_EQ(GenericIconKey(912), 908);
    EXPECT_EQ(GenericIconKey(913), 914);
    EXPECT_EQ(GenericIconKey(1231), 1225);
    EXPECT_EQ(GenericIconKey(5), 0);
    EXPECT_EQ(GenericIconKey(10115), 0);   // not a day key
}

TEST(DayIconKeys, OrdinaryDayCyclesMainAndSupplementalIcons)
{
    // January 1 has two supplemental icons: 101, 10101, 20101, back to 101.
    const auto twoIcons = Lookup({10101, 20101}, Itself);
    EXPECT_EQ(Steps(101, 101, true, twoIcons, 4), (std::vector<uint16_t>{10101, 20101, 101, 10101}));
    // January 3 shares the Theophany icon: its own supplemental icon follows it.
    const auto shared = Lookup({10103}, January3To106);
    EXPECT_EQ(Steps(106, 103, true, shared, 3), (std::vector<uint16_t>{10103, 106, 10103}));
}

TEST(DayIconKeys, SpecialDaysShowTheirOwnFeastFirst)
{
    // January 2 opens with the shared Theophany icon, then its own feast, then its supplemental.
    const auto jan2 = Lookup({10102}, January3To106);
    EXPECT_EQ(Steps(106, 102, true, jan2, 4), (std::vector<uint16_t>{102, 10102, 106, 102}));
    // March 24: the Annunciation's icon, then the day's supplemental icon.
    EXPECT_EQ(Steps(325, 324, true, Lookup({10324}, March24To325), 3),
              (std::vector<uint16_t>{10324, 325, 10324}));
    // ... and when a season's icon is first: the Annunciation, then the supplemental icon.
    EXPECT_EQ(Steps(1, 324, true, Lookup({10324}, PalmSundayOnMarch24), 3),
              (std::vector<uint16_t>{325, 10324, 1}));
    EXPECT_EQ(Steps(107, 525, true, Lookup({10525}, May25To107), 2), (std::vector<uint16_t>{10525, 107}));
    EXPECT_EQ(NextIconKey(3, 525, true, Lookup({10525}, May25To107)), 107);
}

TEST(DayIconKeys, WithoutMainIconOnlySupplementalIconsCycle)
{
    EXPECT_EQ(Steps(10223, 223, false, Lookup({10223, 20223}, Itself), 3),
              (std::vector<uint16_t>{20223, 10223, 20223}));
    EXPECT_EQ(NextIconKey(10115, 115, false, Lookup({10115}, Itself)), 10115);
    EXPECT_EQ(NextIconKey(5, 530, false, Lookup({}, Itself)), 10005);
}

TEST(DayIconKeys, ScaleFollowsTheScreenHeight)
{
    const std::vector<std::pair<int, double>> widths = {
        {539, 0.75}, {540, 1}, {683, 1}, {684, 1.28}, {818, 1.28}, {819, 1.44},
        {946, 1.44}, {947, 1.6}, {1111, 1.6}, {1112, 2}, {1319, 2}, {1320, 2.25}};
    for (const auto& [height, width] : widths)
        EXPECT_DOUBLE_EQ(IconScaleFor(height).width, width) << height;
    EXPECT_DOUBLE_EQ(IconScaleFor(400).height, 0.8);
    EXPECT_DOUBLE_EQ(IconScaleFor(900).height, 1.45);
    EXPECT_DOUBLE_EQ(IconScaleFor(1024).height, 1.7066666);
    EXPECT_DOUBLE_EQ(IconScaleFor(2160).height, 2.4);
}

TEST(DayIconKeys, ScaledSidesRoundHalvesToEven)
{
    EXPECT_EQ(ScaledSide(210, 0.75), 158);   // 157.5
    EXPECT_EQ(ScaledSide(206, 0.75), 154);   // 154.5
    EXPECT_EQ(ScaledSide(280, 1.7066666), 478);
    EXPECT_EQ(ScaledSide(196, 1.28), 251);
}

TEST(JpegImage, DecodesLibraryIconsAndRefusesDamagedBytes)
{
    const uint16_t key = 101;
    const auto* bytes = static_cast<const char*>(LoadJpgFromResource(key));
    ASSERT_NE(bytes, nullptr);
    const QByteArray jpeg(bytes, rsrc::SizeofResource(GetInstance(), FindJpgResource(key)));
    const QImage image = DecodeJpeg(jpeg);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.height(), 280);
    EXPECT_GT(image.width(), 0);

    EXPECT_TRUE(DecodeJpeg({}).isNull());
    EXPECT_TRUE(DecodeJpeg(QByteArray("not a picture at all")).isNull());
    EXPECT_TRUE(DecodeJpeg(jpeg.left(20)).isNull());   // cut inside the header
    QByteArray damaged = jpeg;
    damaged.replace(2, 200, QByteArray(200, '\xff'));   // markers destroyed
    EXPECT_TRUE(DecodeJpeg(damaged).isNull());
    // Data that ends after the header would decode to a grey picture.
    const qsizetype scan = jpeg.indexOf("\xff\xda");
    ASSERT_GT(scan, 0);
    EXPECT_TRUE(DecodeJpeg(jpeg.left(scan + 40)).isNull());
    // A header claiming more than any icon could be is not decoded at all.
    const qsizetype frame = jpeg.indexOf("\xff\xc0");
    ASSERT_GT(frame, 0);
    QByteArray huge = jpeg;
    huge.replace(frame + 5, 4, QByteArray("\x13\x88\x13\x88", 4));   // 5000 x 5000
    EXPECT_TRUE(DecodeJpeg(huge).isNull());
    huge.replace(frame + 5, 4, QByteArray("\x10\x00\x10\x00", 4));   // 4096 x 4096 is still an icon
    EXPECT_EQ(DecodeJpeg(huge).size(), QSize(4096, 4096));
}

// The picture comes out in the screen's pixel format with its colours in their places (red on
// the left, blue on the right) and every pixel opaque.
TEST(JpegImage, DecodedPictureKeepsItsColoursOpaque)
{
    QImage drawn(32, 16, QImage::Format_RGB32);
    QPainter(&drawn).fillRect(0, 0, 16, 16, Qt::red);
    QPainter(&drawn).fillRect(16, 0, 16, 16, Qt::blue);
    QBuffer jpeg;
    jpeg.open(QIODevice::WriteOnly);
    QImageWriter writer(&jpeg, "jpeg");
    writer.setQuality(100);
    ASSERT_TRUE(writer.write(drawn)) << writer.errorString().toStdString();

    const QImage image = DecodeJpeg(jpeg.data());
    ASSERT_EQ(image.format(), QImage::Format_RGB32);
    const QRgb red = image.pixel(4, 8), blue = image.pixel(27, 8);
    EXPECT_GT(qRed(red), 240);
    EXPECT_LT(qBlue(red), 15);
    EXPECT_GT(qBlue(blue), 240);
    EXPECT_LT(qRed(blue), 15);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] >> 24, 0xffu) << x << "," << y;
}

TEST(JpegImage, SampleFilesOfDamagedPicturesGiveNoPicture)
{
    SELV_REPRO_FILE_OR_SKIP(cutShort, "jpeg-cut-short-700-bytes.jpg");
    SELV_REPRO_FILE_OR_SKIP(hugeHeader, "jpeg-header-16384x16384-progressive.jpg");
    for (const QString& path : {cutShort, hugeHeader}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(DecodeJpeg(file.readAll()).isNull()) << path.toStdString();
    }
}
