#include "core/common/resources/ResourceBinary.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr quint32 kMagic = 0x54525652; // "TRVR"
constexpr quint32 kFormatVersion = 1;

} // namespace

// In the namespace of the types, where the stream operators of Qt's containers look for them.
QDataStream& operator<<(QDataStream& out, const ResourceRect& r) {
    return out << r.x << r.y << r.cx << r.cy;
}
QDataStream& operator>>(QDataStream& in, ResourceRect& r) {
    return in >> r.x >> r.y >> r.cx >> r.cy;
}

QDataStream& operator<<(QDataStream& out, const ControlTemplate& c) {
    return out << c.keyword << c.text << c.id << c.className << c.styles << c.notStyles << c.rect
               << c.line;
}
QDataStream& operator>>(QDataStream& in, ControlTemplate& c) {
    return in >> c.keyword >> c.text >> c.id >> c.className >> c.styles >> c.notStyles >> c.rect >>
           c.line;
}

QDataStream& operator<<(QDataStream& out, const DialogTemplate& d) {
    return out << d.id << d.symbol << d.rect << d.caption << d.fontSize << d.fontFace << d.styles
               << d.controls << d.line;
}
QDataStream& operator>>(QDataStream& in, DialogTemplate& d) {
    return in >> d.id >> d.symbol >> d.rect >> d.caption >> d.fontSize >> d.fontFace >> d.styles >>
           d.controls >> d.line;
}

QDataStream& operator<<(QDataStream& out, const MenuItem& m) {
    return out << m.text << m.id << m.separator << m.flags << m.children;
}
QDataStream& operator>>(QDataStream& in, MenuItem& m) {
    return in >> m.text >> m.id >> m.separator >> m.flags >> m.children;
}

QDataStream& operator<<(QDataStream& out, const MenuTemplate& m) {
    return out << m.id << m.symbol << m.items << m.line;
}
QDataStream& operator>>(QDataStream& in, MenuTemplate& m) {
    return in >> m.id >> m.symbol >> m.items >> m.line;
}

namespace {

void Configure(QDataStream& stream) {
    stream.setVersion(QDataStream::Qt_6_4);
    stream.setByteOrder(QDataStream::LittleEndian);
}

} // namespace

QByteArray CompileResources(const ResourceSet& set) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    Configure(out);
    out << kMagic << kFormatVersion << set.symbols << set.dialogs << set.menus << set.strings
        << set.rawData;
    return bytes;
}

Outcome<ResourceSet> ReadCompiledResources(QByteArrayView bytes) {
    const QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QDataStream in(data);
    Configure(in);
    quint32 magic = 0;
    quint32 version = 0;
    in >> magic >> version;
    ResourceSet set;
    if (magic == kMagic && version == kFormatVersion)
        in >> set.symbols >> set.dialogs >> set.menus >> set.strings >> set.rawData;
    if (magic != kMagic || version != kFormatVersion || in.status() != QDataStream::Ok ||
        !in.atEnd())
        return Outcome<ResourceSet>::Fail(QStringLiteral("damaged compiled resources"));
    return set;
}
