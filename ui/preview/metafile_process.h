#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

// A metafile drawn as SVG, with its frame's size in 0.01 mm.
struct MetafileDrawing {
  QByteArray svg;
  QSize frame;
};

// Converts the WMF (`format` "wmf") or EMF ("emf") metafile `file` in the
// metafile helper process, which runs with limits on its memory and time and
// is killed when it takes longer than two seconds or writes more than the
// picture pane takes: a hostile or broken file can neither crash, hang nor
// exhaust the program. Nothing when the helper is missing, fails or is killed.
std::optional<MetafileDrawing> convertMetafile(const QByteArray& file, const QString& format);
