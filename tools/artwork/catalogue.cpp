#include "catalogue.h"

#include "pictures.h"

namespace {

QString skinFile(const QString& name) {
    return QStringLiteral("skin/%1.png").arg(name);
}

// Sizes of one style's table pictures, in element order of the style tables.
struct StyleSizes {
    ArtStyle style;
    const char* prefix;
    QSize button, checkBox, radio, titleButtons, titleLeft, titleClient, titleRight;
    QSize progress, trackBar, slider, sliderV, scrollBarButtons, scrollThumb, checkList;
    QSize scrollButtons; // empty: the style uses the shared MORE_SCROLLBUTTON
    QSize tab, tabLine, channelHandle, channelBar;
};

const StyleSizes kStyles[] = {
    {ArtStyle::MacOS, "MACOS_", {252, 23}, {60, 17}, {64, 17}, {306, 17}, {48, 23},
     {49, 23},        {48, 23}, {13, 10},  {45, 5},  {11, 20}, {19, 11},  {96, 22},
     {33, 16},        {40, 11}, {72, 18},  {36, 27}, {17, 7},  {7, 84},   {1, 21}},
    {ArtStyle::WinXP, "WINXP_", {54, 21}, {52, 13}, {52, 13}, {378, 21}, {35, 29},
     {37, 29},        {35, 29}, {6, 10},  {45, 8},  {11, 21}, {22, 11},  {96, 17},
     {21, 16},        {44, 11}, {72, 18}, {18, 18}, {8, 1},   {8, 86},   {1, 21}},
    {ArtStyle::DeepBlue, "DEEPBLUE_", {222, 21}, {52, 13}, {52, 13}, {342, 19}, {97, 32},
     {98, 32},           {97, 32},    {1, 10},   {45, 4},  {11, 20}, {18, 11},  {96, 16},
     {21, 16},           {44, 11},    {},        {12, 17}, {5, 5},   {8, 83},   {1, 20}},
    {ArtStyle::Protein, "PROTEIN_", {222, 21}, {52, 13}, {52, 13}, {342, 19}, {441, 23},
     {1, 23},           {1, 23},    {1, 10},   {45, 4},  {11, 20}, {18, 11},  {96, 16},
     {21, 16},          {44, 11},   {},        {18, 17}, {10, 5},  {8, 83},   {1, 21}},
    {ArtStyle::BlueGlass,
     "BLUEGLASS_",
     {231, 27},
     {52, 13},
     {52, 13},
     {342, 19},
     {162, 33},
     {179, 33},
     {101, 33},
     {1, 10},
     {45, 4},
     {11, 20},
     {18, 11},
     {102, 16},
     {21, 16},
     {44, 11},
     {},
     {18, 17},
     {10, 5},
     {8, 86},
     {1, 21}},
};

void styleArtwork(const StyleSizes& s, QList<Artwork>& out) {
    const StylePalette& p = paletteOf(s.style);
    const QImage back = solid(p.background);
    const QString prefix = QString::fromLatin1(s.prefix);
    auto add = [&](const char* suffix, const QImage& drawn, bool keyed, const QImage& behind) {
        out.append({skinFile(prefix + QLatin1String(suffix)), flatten(drawn, behind, keyed)});
    };
    const int titleHeight = s.titleLeft.height();
    const QImage caption = captionColumn(titleHeight, p);
    const QImage buttonsBehind =
        caption.copy(0, p.titleButtonY, 1, std::max(1, titleHeight - p.titleButtonY));

    add("BUTTON", buttonStrip(s.button, p), p.keyedButtons, back);
    add("CHECKBOX", checkStrip(s.checkBox, p, CheckShape::Box), false, back);
    add("RADIOBUTTON", checkStrip(s.radio, p, CheckShape::Radio), false, back);
    add("TITLEBTN", titleButtonStrip(s.titleButtons, p), p.keyedTitleButtons, buttonsBehind);
    add("TITLE_LEFT", titleSection(s.titleLeft, p, TitleSection::Left), true, caption);
    add("TITLE_CLIENT", titleSection(s.titleClient, p, TitleSection::Client), true, caption);
    add("TITLE_RIGHT", titleSection(s.titleRight, p, TitleSection::Right), true, caption);
    add("PROGRESSBAR", progressBar(s.progress, p), false, back);
    add("TRACKBAR_BAR", trackBar(s.trackBar, p), false, back);
    add("TRACKBAR_SLIDER", trackSlider(s.slider, p, false), true, back);
    add("TRACKBAR_SLIDER_V", trackSlider(s.sliderV, p, true), true, back);
    add("SCROLLBAR_BUTTON", scrollBarButtons(s.scrollBarButtons, p), false, back);
    add("SCROLLBAR_TRACK", scrollThumb(s.scrollThumb, p), false, back);
    add("CHECKLIST", checkStrip(s.checkList, p, CheckShape::Box), false, back);
    if (!s.scrollButtons.isEmpty())
        add("SCROLLBUTTON", scrollButtons(s.scrollButtons, p), false, back);
    add("TAB", tabFace(s.tab, p), true, back);
    add("TAB_LINE", tabLine(s.tabLine, p), false, back);
    add("SIDECHENNEL_HANDLE", sideChannelHandle(s.channelHandle, p), true, back);
    add("SIDECHENNEL_BAR", sideChannelBar(s.channelBar, p), false, back);
}

} // namespace

QList<Artwork> drawAllArtwork() {
    QList<Artwork> out;
    for (const StyleSizes& s : kStyles)
        styleArtwork(s, out);

    const StylePalette& mac = paletteOf(ArtStyle::MacOS);
    const StylePalette& xp = paletteOf(ArtStyle::WinXP);
    const StylePalette& protein = paletteOf(ArtStyle::Protein);
    const StylePalette& glass = paletteOf(ArtStyle::BlueGlass);
    const QImage white = solid(Qt::white);
    auto add = [&](const char* name, const QImage& drawn, bool keyed, const QImage& behind) {
        out.append({skinFile(QLatin1String(name)), flatten(drawn, behind, keyed)});
    };
    add("MORE_SCROLLBUTTON", scrollButtons({72, 17}, glass), false, solid(glass.background));
    add("MACOS_FORM_BACKGROUND", brushedPattern({8, 8}, mac), false, white);
    add("PROTEIN_FORM_BACKGROUND", dottedPattern({8, 8}, protein), false, white);
    add("MACOS_MENU_BAR", stripedBar({1, 22}, mac), false, white);
    add("MACOS_MENU_SELECT", selectionBar({1, 21}, mac), false, white);
    add("MENU_CHECKED", checkMark({16, 16}), false, white);
    add("WINXP_COMBOBOX_BUTTON", comboButton({16, 18}, xp), false, solid(xp.background));
    add("MACOS_COMBOBOX_BUTTON", comboButton({16, 17}, mac), false, solid(mac.background));
    add("STATUSBAR_HANDLE", sizeGrip({11, 11}), true, solid(xp.background));
    add("MSGDLG", messageIcons({168, 42}), true, solid(xp.background));
    // The program icon keeps its alpha channel.
    out.append({skinFile(QStringLiteral("MAINICON")),
                programIcon({32, 32}).convertToFormat(QImage::Format_ARGB32)});
    return out;
}
