// How long the skinned frame takes to repaint its title bar (every mouse move over the
// bar repaints it whole) and to draw one drop-down menu item.
#include "skin/controls/menu_popup.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/title_bar.h"
#include "skin/frame/window_skin.h"

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>

using namespace skin::frame;

namespace {

void BM_TitleBarRepaint(benchmark::State& state) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("Записная книжка v 2.1b"));
    window.resize(int(state.range(0)), 429);
    TsuiForm* form =
        skinWindow(&window, {TsuiTitleBarBtnType::suiClose, TsuiTitleBarBtnType::suiMin});
    TsuiTitleBar* bar = form->TitleBar();
    QImage canvas(bar->size(), QImage::Format_RGB32);
    for (auto _ : state)
        bar->render(&canvas);
}
BENCHMARK(BM_TitleBarRepaint)->Arg(494)->Arg(1280);

void BM_DrawMenuItem(benchmark::State& state) {
    TsuiPopupMenu menu(nullptr);
    menu.setUIStyle(TsuiUIStyle::WinXP);
    QAction* item = menu.addAction(QStringLiteral("Загрузить резервную копию"));
    const bool selected = state.range(0) != 0;
    QImage canvas(220, 21, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&canvas);
        menu.drawItem(item, painter, canvas.rect(), selected);
    }
}
BENCHMARK(BM_DrawMenuItem)->Arg(0)->Arg(1);

} // namespace
