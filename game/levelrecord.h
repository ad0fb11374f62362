#pragma once
// The level file: one fixed-size record holding both pictures as complete
// BMP files and a trailer with the differences.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QVector>
#include <array>
#include <cstdint>

namespace level {

constexpr int kPictureWidth = 354;
constexpr int kPictureHeight = 482;
constexpr qint64 kPictureBytes = 512902;   // 54 + 482 rows of 1064 bytes
constexpr qint64 kTrailerBytes = 112;
constexpr qint64 kRecordBytes = 2 * kPictureBytes + kTrailerBytes; // 1025916
constexpr int kMaxDiffs = 25;

struct DiffPoint { std::uint16_t x, y; };

// Decoded view of a record's trailer.
struct Trailer {
    std::uint8_t diffCount = 0;
    std::array<DiffPoint, kMaxDiffs> diffPoints{};
    std::uint32_t markerColor = 0; // bytes: red, green, blue, 0
};

// The raw record, byte for byte as stored.
struct LevelRecord {
    std::array<char, kRecordBytes> bytes{};
    const char* leftPicture() const { return bytes.data(); }
    const char* rightPicture() const { return bytes.data() + kPictureBytes; }
    Trailer trailer() const;
    std::uint8_t diffCount() const { return std::uint8_t(bytes[2 * kPictureBytes]); }
    DiffPoint diffPoint(int k) const; // k = 1..25
    QColor markerColor() const;
};

// A picture as the 512902-byte, 24-bit bottom-up BMP the record stores.
QByteArray encodeBmp24(const QImage& picture); // must be 354 x 482
// A record's picture field as an RGB32 image; null unless it is exactly the
// BMP the record stores (so any other picture goes to the general loader).
QImage decodePicture(const char* data, qint64 size);
// The 112-byte trailer.
QByteArray encodeTrailer(const QVector<QPoint>& points, QColor marker);
// A whole record from two pictures and the difference centres.
QByteArray encodeLevel(const QImage& left, const QImage& right,
                       const QVector<QPoint>& points, QColor marker);
// Writes a level file; false on failure.
bool writeLevelFile(const QString& path, const QImage& left, const QImage& right,
                    const QVector<QPoint>& points, QColor marker);

// "00" before 0..9, "0" before 10..99, plain from 100 on.
QString zeroes(std::uint8_t n);

} // namespace level
