// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "picture_helper/svg_sanitising.h"

#include "picture_helper/picture_protocol.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

// Elements drawn, counted with every <use> expanded.
constexpr qint64 maxDrawnElements = 200000;

bool allowedElement(QStringView name) {
  static const QSet<QString> names{u"svg"_s,      u"g"_s,        u"defs"_s,           u"path"_s,
                                   u"rect"_s,     u"ellipse"_s,  u"circle"_s,         u"line"_s,
                                   u"polyline"_s, u"polygon"_s,  u"text"_s,           u"tspan"_s,
                                   u"image"_s,    u"clipPath"_s, u"pattern"_s,        u"linearGradient"_s,
                                   u"stop"_s,     u"use"_s,      u"radialGradient"_s, u"mask"_s};
  return names.contains(name.toString());
}

// The pixels of a PNG or BMP image from its header; nothing for anything else.
std::optional<qint64> imagePixels(const QByteArray& bytes) {
  if (bytes.startsWith("\x89PNG\r\n\x1a\n") && bytes.size() >= 24)
    return qint64(qFromBigEndian<quint32>(bytes.constData() + 16)) * qFromBigEndian<quint32>(bytes.constData() + 20);
  if (bytes.startsWith("BM") && bytes.size() >= 26)
    return qAbs(qint64(qFromLittleEndian<qint32>(bytes.constData() + 18))) *
           qAbs(qint64(qFromLittleEndian<qint32>(bytes.constData() + 22)));
  return std::nullopt;
}

// A base64 data URI of a PNG or BMP within the pixel ceiling; `pixels` grows
// by its pixels.
bool safeImageReference(QStringView href, qint64& pixels) {
  if (!href.startsWith(u"data:image/")) return false;
  const qsizetype comma = href.indexOf(u',');
  if (comma < 0 || !href.left(comma).endsWith(u";base64")) return false;
  // The header is all that is needed, and the first 64 characters hold it.
  const QByteArray head = QByteArray::fromBase64(href.mid(comma + 1, 64).toLatin1());
  const std::optional<qint64> imagePixelCount = imagePixels(head);
  if (!imagePixelCount) return false;
  pixels += *imagePixelCount;
  return pixels <= maxRasterPixels;
}

bool isReference(QStringView name) { return name == u"href"; }

// Whether the attribute can stay: references within the document only.
bool allowedAttribute(const QXmlStreamAttribute& attribute) {
  const QStringView value = attribute.value();
  if (isReference(attribute.name())) return value.startsWith(u'#');
  const qsizetype url = value.indexOf(u"url(");
  return url < 0 || value.mid(url + 4).trimmed().startsWith(u'#');
}

// How the elements of the document are counted: each element with an id
// knows how many elements and <use>s its subtree holds.
struct Subtree {
  qint64 firstElement;
  qint64 firstUse;
  QString id;
};

class Sanitiser {
 public:
  explicit Sanitiser(const QByteArray& svg) : reader_(svg), writer_(&out_) {}

  std::optional<QByteArray> run() {
    while (!reader_.atEnd()) {
      switch (reader_.readNext()) {
        case QXmlStreamReader::StartElement:
          startElement();
          break;
        case QXmlStreamReader::EndElement:
          endElement();
          break;
        case QXmlStreamReader::Characters:
          writer_.writeCharacters(reader_.text().toString());
          break;
        case QXmlStreamReader::DTD:
          // Left out: the reader bounds what entities expand to.
          break;
        default:
          break;
      }
      if (reader_.hasError()) return std::nullopt;
    }
    writer_.writeEndDocument();
    if (reader_.hasError() || !withinCeiling()) return std::nullopt;
    return out_;
  }

 private:
  void startElement() {
    const QString name = reader_.name().toString();
    if (!allowedElement(name) || (name == u"image" && !keepImage())) {
      reader_.skipCurrentElement();
      return;
    }
    if (name == u"use") uses_.append(useTarget());
    open_.append({elements_, uses_.size(), reader_.attributes().value(QLatin1String("id")).toString()});
    ++elements_;
    writer_.writeStartElement(name);
    if (open_.size() == 1) {
      writer_.writeDefaultNamespace(u"http://www.w3.org/2000/svg"_s);
      writer_.writeNamespace(u"http://www.w3.org/1999/xlink"_s, u"xlink"_s);
    }
    for (const QXmlStreamAttribute& attribute : reader_.attributes()) {
      if (name == u"image" && isReference(attribute.name())) {
        writer_.writeAttribute(u"http://www.w3.org/1999/xlink"_s, u"href"_s, attribute.value().toString());
        continue;
      }
      if (!allowedAttribute(attribute)) continue;
      if (isReference(attribute.name()))
        writer_.writeAttribute(u"http://www.w3.org/1999/xlink"_s, u"href"_s, attribute.value().toString());
      else if (attribute.namespaceUri().isEmpty())
        writer_.writeAttribute(attribute.name().toString(), attribute.value().toString());
    }
  }

  void endElement() {
    const Subtree subtree = open_.takeLast();
    if (!subtree.id.isEmpty())
      subtrees_.insert(subtree.id, {elements_ - subtree.firstElement, uses_.size() > subtree.firstUse});
    writer_.writeEndElement();
  }

  QString useTarget() const {
    for (const QXmlStreamAttribute& attribute : reader_.attributes())
      if (isReference(attribute.name()) && attribute.value().startsWith(u'#'))
        return attribute.value().mid(1).toString();
    return {};
  }

  bool keepImage() {
    for (const QXmlStreamAttribute& attribute : reader_.attributes())
      if (isReference(attribute.name())) return safeImageReference(attribute.value(), imagePixels_);
    return false;
  }

  bool withinCeiling() const {
    qint64 drawn = elements_;
    for (const QString& target : uses_) {
      const auto found = subtrees_.constFind(target);
      if (found == subtrees_.constEnd()) continue;
      if (found->holdsUse) return false;
      drawn += found->elements;
      if (drawn > maxDrawnElements) return false;
    }
    return drawn <= maxDrawnElements;
  }

  struct Counted {
    qint64 elements;
    bool holdsUse;
  };

  QXmlStreamReader reader_;
  QByteArray out_;
  QXmlStreamWriter writer_;
  QList<Subtree> open_;
  QList<QString> uses_;
  QHash<QString, Counted> subtrees_;
  qint64 elements_ = 0;
  qint64 imagePixels_ = 0;
};

}  // namespace

std::optional<QByteArray> sanitisedSvg(const QByteArray& svg) { return Sanitiser(svg).run(); }
