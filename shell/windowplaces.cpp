#include "shell/windowplaces.h"

#include "qtbridge/qttext.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

QRect ToRect(const TWindowGeometry& geometry) {
    return {geometry.Left, geometry.Top, geometry.Width, geometry.Height};
}

} // namespace

std::optional<QRect> OnAScreen(const std::optional<TWindowGeometry>& stored) {
    if (!stored)
        return std::nullopt;
    const QRect frame = ToRect(*stored);
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().contains(frame))
            return frame;
    }
    return std::nullopt;
}

std::optional<QRect> InsideArea(const std::optional<TWindowGeometry>& stored, QSize area) {
    if (!stored || !QRect(QPoint(0, 0), area).contains(ToRect(*stored)))
        return std::nullopt;
    return ToRect(*stored);
}

TTreeState TreeStateFrom(const TStoredTree& stored) {
    TTreeState state;
    for (const std::string& name : stored.Expanded)
        state.Expanded << FromAnsi(name);
    if (stored.SelectedArtist)
        state.SelectedArtist = FromAnsi(*stored.SelectedArtist);
    if (stored.SelectedArtist && stored.SelectedSong)
        state.SelectedSong = FromAnsi(*stored.SelectedSong);
    return state;
}

TStoredTree StoredTreeFrom(const TTreeState& state) {
    TStoredTree stored;
    for (const QString& name : state.Expanded)
        stored.Expanded.push_back(ToAnsi(name));
    if (state.SelectedArtist)
        stored.SelectedArtist = ToAnsi(*state.SelectedArtist);
    if (state.SelectedSong)
        stored.SelectedSong = ToAnsi(*state.SelectedSong);
    return stored;
}
