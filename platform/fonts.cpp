#include "platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace dek::platform {

namespace {

// Registers the Liberation faces once and returns the family found for each.
struct Families {
    QString sans = QStringLiteral("Liberation Sans");
    QString serif = QStringLiteral("Liberation Serif");

    Families() {
        const char* const dirs[] = {"/usr/share/fonts/truetype/liberation2/", "/usr/share/fonts/truetype/liberation/"};
        const char* const files[] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                                     "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf"};
        for (const char* file : files) {
            for (const char* dir : dirs) {
                const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(dir) + QString::fromLatin1(file));
                if (id >= 0) {
                    const QStringList fams = QFontDatabase::applicationFontFamilies(id);
                    if (!fams.isEmpty()) {
                        if (QString::fromLatin1(file).startsWith(QLatin1String("LiberationSans")))
                            sans = fams.first();
                        else
                            serif = fams.first();
                    }
                    break;
                }
            }
        }
    }
};

const Families& families() {
    static const Families f;
    return f;
}

}  // namespace

QString sans_family() { return families().sans; }
QString serif_family() { return families().serif; }

int class_pixel_size(report::FontClass font) {
    using report::FontClass;
    switch (font) {
        case FontClass::Mark:
            return 11;
        case FontClass::SmallStrike:
            return 8;
        case FontClass::Sum:
        case FontClass::LargeStrike:
            return 16;
        default:
            return 13;
    }
}

QFont class_font(report::FontClass font, int pixel_size) {
    using report::FontClass;
    QFont f(font == FontClass::Serif ? serif_family() : sans_family());
    f.setPixelSize(pixel_size > 0 ? pixel_size : class_pixel_size(font));
    f.setBold(font != FontClass::Plain && font != FontClass::SmallStrike);
    f.setStrikeOut(font == FontClass::SmallStrike || font == FontClass::LargeStrike);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

QFont form_font(int pixel_size, bool bold) {
    QFont f(sans_family());
    f.setPixelSize(pixel_size);
    f.setBold(bold);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

}  // namespace dek::platform
