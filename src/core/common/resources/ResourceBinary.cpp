#include "core/common/resources/ResourceBinary.h"

#include <QDataStream>
#include <QIODevice>

#include <optional>

namespace {

constexpr quint32 kMagic = 0x54525652; // "TRVR"
constexpr quint32 kFormatVersion = 2;

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

QString DamagedText() {
    return QStringLiteral("damaged compiled resources");
}

// The magic word, the version, the menus, strings and raw data; false when they do not read.
bool ReadHead(QDataStream& in, ResourceSet* set) {
    quint32 magic = 0;
    quint32 version = 0;
    in >> magic >> version;
    if (magic != kMagic || version != kFormatVersion)
        return false;
    in >> set->menus >> set->strings >> set->rawData;
    return in.status() == QDataStream::Ok;
}

// The dialog templates' blocks, each an id, a byte count and that many bytes, as views of
// `bytes`, which the stream reads, by id; false when a block runs past the end.
bool ReadBlocks(QDataStream& in, QByteArrayView bytes, QHash<int, QByteArrayView>* blocks) {
    quint32 count = 0;
    in >> count;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        qint32 id = 0;
        quint32 length = 0;
        in >> id >> length;
        const qint64 start = in.device()->pos();
        if (in.status() != QDataStream::Ok || length > bytes.size() - start ||
            in.skipRawData(static_cast<int>(length)) != static_cast<int>(length))
            return false;
        blocks->insert(id, bytes.sliced(start, length));
    }
    return in.status() == QDataStream::Ok;
}

// The dialog template of a block; nullopt when the block is damaged or holds another id.
std::optional<DialogTemplate> ReadDialogBlock(int id, QByteArrayView block) {
    const QByteArray data = QByteArray::fromRawData(block.data(), block.size());
    QDataStream in(data);
    Configure(in);
    DialogTemplate dialog;
    in >> dialog;
    if (in.status() != QDataStream::Ok || !in.atEnd() || dialog.id != id)
        return std::nullopt;
    return dialog;
}

} // namespace

QByteArray CompileResources(const ResourceSet& set) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    Configure(out);
    out << kMagic << kFormatVersion << set.menus << set.strings << set.rawData;
    out << static_cast<quint32>(set.dialogs.size());
    for (const DialogTemplate& dialog : set.dialogs) {
        QByteArray block;
        QDataStream blockOut(&block, QIODevice::WriteOnly);
        Configure(blockOut);
        blockOut << dialog;
        out << static_cast<qint32>(dialog.id) << static_cast<quint32>(block.size());
        out.writeRawData(block.constData(), static_cast<int>(block.size()));
    }
    out << set.symbols;
    return bytes;
}

Outcome<ResourceSet> ReadCompiledResources(QByteArrayView bytes) {
    const QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QDataStream in(data);
    Configure(in);
    ResourceSet set;
    QHash<int, QByteArrayView> blocks;
    if (!ReadHead(in, &set) || !ReadBlocks(in, bytes, &blocks))
        return Outcome<ResourceSet>::Fail(DamagedText());
    for (auto block = blocks.cbegin(); block != blocks.cend(); ++block) {
        const std::optional<DialogTemplate> dialog = ReadDialogBlock(block.key(), block.value());
        if (!dialog)
            return Outcome<ResourceSet>::Fail(DamagedText());
        set.dialogs.insert(block.key(), *dialog);
    }
    in >> set.symbols;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return Outcome<ResourceSet>::Fail(DamagedText());
    return set;
}

Status CompiledResources::Open(QByteArrayView bytes) {
    const QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QDataStream in(data);
    Configure(in);
    if (!ReadHead(in, &head_) || !ReadBlocks(in, bytes, &blocks_))
        return Status::Fail(DamagedText());
    return {};
}

const DialogTemplate* CompiledResources::Dialog(int id) const {
    const QMutexLocker lock(&mutex_);
    if (const auto read = dialogs_.find(id); read != dialogs_.end())
        return &read->second;
    const auto block = blocks_.constFind(id);
    if (block == blocks_.constEnd())
        return nullptr;
    std::optional<DialogTemplate> dialog = ReadDialogBlock(id, *block);
    if (!dialog)
        return nullptr;
    return &dialogs_.emplace(id, std::move(*dialog)).first->second;
}
