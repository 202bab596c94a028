// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "picture_helper/svg_sanitising.h"

#include "picture_helper/picture_protocol.h"

#include <QHash>
#include <QList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtEndian>

#include <algorithm>
#include <cctype>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

// Elements drawn, counted with every <use> expanded.
constexpr qint64 maxDrawnElements = 200000;

// `name` a QStringView, or a QLatin1StringView of the document's bytes.
template <typename Name>
bool allowedElement(Name name) {
  static constexpr QLatin1StringView names[] = {
      "svg"_L1,     "g"_L1,        "defs"_L1,    "path"_L1, "rect"_L1,           "ellipse"_L1,       "circle"_L1,
      "line"_L1,    "polyline"_L1, "polygon"_L1, "text"_L1, "tspan"_L1,          "image"_L1,         "clipPath"_L1,
      "pattern"_L1, "stop"_L1,     "use"_L1,     "mask"_L1, "linearGradient"_L1, "radialGradient"_L1};
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
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

// Whether `text` holds `word` (given in lower case) in any case.
bool holdsAnyCase(QByteArrayView text, QByteArrayView word) {
  for (const char first : {word.front(), char(std::toupper(word.front()))})
    for (qsizetype at = text.indexOf(first); at >= 0; at = text.indexOf(first, at + 1))
      if (text.sliced(at).first(std::min(word.size(), text.size() - at)).compare(word, Qt::CaseInsensitive) == 0)
        return true;
  return false;
}

// The length of the XML declaration that opens the document (0 when there is
// none), or -1 when it names an encoding other than UTF-8, in which the bytes
// would not mean what they mean here.
qsizetype declarationLength(QByteArrayView svg) {
  if (!svg.startsWith("<?xml") || svg.size() < 6 || !std::isspace(static_cast<unsigned char>(svg[5]))) return 0;
  const qsizetype end = svg.indexOf("?>");
  if (end < 0) return -1;
  const QByteArrayView declaration = svg.first(end);
  if (holdsAnyCase(declaration, "encoding") && !holdsAnyCase(declaration, "encoding=\"utf-8\"")) return -1;
  return end + 2;
}

bool endsName(QByteArrayView tag, qsizetype at) {
  return at < tag.size() && (tag[at] == '/' || tag[at] == '>' || std::isspace(static_cast<unsigned char>(tag[at])));
}

// Whether the document's bytes alone show that the check would find nothing
// to leave out: no entity ("&"), no reference of any kind ("href", "url" in
// any case), no internal subset ("[" before the first element), no comment,
// section, declaration or processing instruction besides the XML declaration
// and one document type, and every tag an element the libraries write, none of
// them an <image> or a <use>, within the ceiling. In such a document every "<"
// opens a tag, so its bytes tell its elements as any reader would. What the
// libraries write passes as a rule; anything else is left to the full check.
bool plainlyHarmless(QByteArrayView svg) {
  if (!svg.startsWith('<') || svg.contains('\0') || svg.contains('&') || holdsAnyCase(svg, "href") ||
      holdsAnyCase(svg, "url"))
    return false;
  const qsizetype declaration = declarationLength(svg);
  if (declaration < 0) return false;
  bool typeSeen = false;
  qint64 elements = 0;
  for (qsizetype at = svg.indexOf('<', declaration); at >= 0; at = svg.indexOf('<', at + 1)) {
    const QByteArrayView tag = svg.sliced(at + 1);
    if (tag.startsWith('/')) continue;
    if (tag.startsWith("!DOCTYPE") && endsName(tag, 8) && !typeSeen && elements == 0) {
      typeSeen = true;
      continue;
    }
    if (elements == 0 && svg.first(at).contains('[')) return false;
    qsizetype length = 0;
    while (length < tag.size() && (std::isalnum(static_cast<unsigned char>(tag[length])) || tag[length] == '-'))
      ++length;
    const QLatin1StringView name(tag.first(length));
    if (!endsName(tag, length) || name == "image"_L1 || name == "use"_L1 || !allowedElement(name) ||
        ++elements > maxDrawnElements)
      return false;
  }
  return elements > 0;
}

// Whether the attribute can stay: references within the document only.
bool allowedAttribute(const QXmlStreamAttribute& attribute) {
  const QStringView value = attribute.value();
  if (isReference(attribute.name())) return value.startsWith(u'#');
  const qsizetype url = value.indexOf(u"url(", 0, Qt::CaseInsensitive);
  return url < 0 || value.mid(url + 4).trimmed().startsWith(u'#');
}

// How the elements of the document are counted: each element with an id
// knows how many elements and <use>s its subtree holds.
struct Subtree {
  qint64 firstElement;
  qint64 firstUse;
  QString id;
};

// Reads the document and either only checks it (no writer) or writes what
// may stay. A check stops at the first thing the writing would drop.
class Sanitiser {
 public:
  enum class Outcome { Kept, Rewritten, NeedsRewriting, Refused };

  Sanitiser(const QByteArray& svg, QXmlStreamWriter* writer) : reader_(svg), writer_(writer) {}

  Outcome run() {
    while (!reader_.atEnd() && !dropped_) {
      switch (reader_.readNext()) {
        case QXmlStreamReader::StartDocument:
        case QXmlStreamReader::EndDocument:
          break;
        case QXmlStreamReader::StartElement:
          startElement();
          break;
        case QXmlStreamReader::EndElement:
          endElement();
          break;
        case QXmlStreamReader::Characters:
          if (writer_) writer_->writeCharacters(reader_.text().toString());
          break;
        case QXmlStreamReader::DTD:
          // Left out when it declares anything (the reader bounds what
          // entities expand to); a bare document type names a file that no
          // reader fetches.
          if (!reader_.entityDeclarations().isEmpty() || !reader_.notationDeclarations().isEmpty()) drop();
          break;
        default:
          // Comments and processing instructions are left out.
          drop();
          break;
      }
      if (reader_.hasError()) return Outcome::Refused;
    }
    if (dropped_) return Outcome::NeedsRewriting;
    if (writer_) writer_->writeEndDocument();
    if (reader_.hasError() || !withinCeiling()) return Outcome::Refused;
    return writer_ ? Outcome::Rewritten : Outcome::Kept;
  }

 private:
  // Something is left out: a check ends here.
  void drop() { dropped_ = !writer_; }

  void startElement() {
    const QStringView name = reader_.name();
    const QXmlStreamAttributes attributes = reader_.attributes();
    if (!allowedElement(name) || (name == u"image" && !keepImage(attributes))) {
      drop();
      reader_.skipCurrentElement();
      return;
    }
    if (name == u"use") uses_.append(useTarget(attributes));
    open_.append({elements_, uses_.size(), attributes.value(QLatin1String("id")).toString()});
    ++elements_;
    if (writer_) writer_->writeStartElement(name.toString());
    if (writer_ && open_.size() == 1) {
      writer_->writeDefaultNamespace(u"http://www.w3.org/2000/svg"_s);
      writer_->writeNamespace(u"http://www.w3.org/1999/xlink"_s, u"xlink"_s);
    }
    for (const QXmlStreamAttribute& attribute : attributes) {
      // An <image>'s references were checked with the element.
      if (!allowedAttribute(attribute) && name != u"image") {
        drop();
        continue;
      }
      if (!writer_) continue;
      if (isReference(attribute.name()))
        writer_->writeAttribute(u"http://www.w3.org/1999/xlink"_s, u"href"_s, attribute.value().toString());
      else if (attribute.namespaceUri().isEmpty())
        writer_->writeAttribute(attribute.name().toString(), attribute.value().toString());
      else
        writer_->writeAttribute(attribute.namespaceUri().toString(), attribute.name().toString(),
                                attribute.value().toString());
    }
  }

  void endElement() {
    const Subtree subtree = open_.takeLast();
    if (!subtree.id.isEmpty())
      subtrees_.insert(subtree.id, {elements_ - subtree.firstElement, uses_.size() > subtree.firstUse});
    if (writer_) writer_->writeEndElement();
  }

  static QString useTarget(const QXmlStreamAttributes& attributes) {
    for (const QXmlStreamAttribute& attribute : attributes)
      if (isReference(attribute.name()) && attribute.value().startsWith(u'#'))
        return attribute.value().mid(1).toString();
    return {};
  }

  // Every reference of an <image> must be a safe data URI.
  bool keepImage(const QXmlStreamAttributes& attributes) {
    bool referenced = false;
    for (const QXmlStreamAttribute& attribute : attributes)
      if (isReference(attribute.name())) {
        if (!safeImageReference(attribute.value(), imagePixels_)) return false;
        referenced = true;
      }
    return referenced;
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
  QXmlStreamWriter* writer_;
  bool dropped_ = false;
  QList<Subtree> open_;
  QList<QString> uses_;
  QHash<QString, Counted> subtrees_;
  qint64 elements_ = 0;
  qint64 imagePixels_ = 0;
};

}  // namespace

std::optional<QByteArray> sanitisedSvg(const QByteArray& svg) {
  // What the libraries write needs no change as a rule: it is drawn as it
  // stands when its bytes show that, else checked in one reading, and written
  // anew only when the check finds something to leave out.
  if (plainlyHarmless(svg)) return svg;
  switch (Sanitiser(svg, nullptr).run()) {
    case Sanitiser::Outcome::Kept:
      return svg;
    case Sanitiser::Outcome::NeedsRewriting:
      break;
    default:
      return std::nullopt;
  }
  QByteArray rewritten;
  QXmlStreamWriter writer(&rewritten);
  if (Sanitiser(svg, &writer).run() != Sanitiser::Outcome::Rewritten) return std::nullopt;
  return rewritten;
}
