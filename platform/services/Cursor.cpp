// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#include "platform/services/Cursor.h"

#include "base/gfx/BmpCodec.h"
#include "base/gfx/IconPicture.h"
#include "base/resources/PixelMap.h"
#include "base/resources/ResourceStore.h"
#include "platform/services/QtImage.h"
#include "platform/window/Window.h"

#include <QBitmap>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <map>

TCursor::~TCursor() = default;
TIcon::~TIcon() = default;

namespace {

std::unique_ptr<QCursor> MakeCursor(const TPixelMap& map)
{
    QImage image(map.Width, map.Height, QImage::Format_ARGB32);
    for (int y = 0; y < map.Height; ++y)
        for (int x = 0; x < map.Width; ++x) {
            const int index = map.Indexes[std::size_t(y * map.Width + x)];
            image.setPixel(x, y, index == 0 ? 0x00000000u : index == 1 ? 0xFF000000u : 0xFFFFFFFFu);
        }
    return std::make_unique<QCursor>(QPixmap::fromImage(image), map.HotX, map.HotY);
}

template <class T>
T* Cached(std::map<std::string, std::unique_ptr<T>>& cache, const std::string& key)
{
    const auto found = cache.find(key);
    return found == cache.end() ? nullptr : found->second.get();
}

}  // namespace

HCURSOR LoadCursorA(const char* name)
{
    static std::map<std::string, std::unique_ptr<TCursor>> cache;
    const TResourceEntry* entry = FindResourceA(name ? name : "", "CURSOR");
    if (!entry)
        return nullptr;
    if (TCursor* known = Cached(cache, entry->Name))
        return known;
    TPixelMap map;
    std::string error;
    if (!ParsePixelMap(entry->Text(), kCursorAlphabet, map, error))
        return nullptr;
    auto cursor = std::make_unique<TCursor>();
    cursor->Name = entry->Name;
    cursor->HotX = map.HotX;
    cursor->HotY = map.HotY;
    cursor->Shape = MakeCursor(map);
    return (cache[entry->Name] = std::move(cursor)).get();
}

HICON LoadIconA(const char* name)
{
    static std::map<std::string, std::unique_ptr<TIcon>> cache;
    const std::vector<const TResourceEntry*> entries = FindResources(name ? name : "", "ICON");
    if (entries.empty())
        return nullptr;
    if (TIcon* known = Cached(cache, entries[0]->Name))
        return known;
    std::vector<TBitmap> pictures;
    for (const TResourceEntry* entry : entries)
        if (auto picture = DecodeBmp(entry->Bytes()))
            pictures.push_back(std::move(*picture));
    std::vector<const TBitmap*> choice;
    for (const TBitmap& picture : pictures)
        choice.push_back(&picture);
    auto icon = std::make_unique<TIcon>();
    icon->Name = entries[0]->Name;
    icon->Image = std::make_unique<QIcon>();
    // The same sizes and pictures as the desktop's icon files.
    for (const int size : kIconSizes) {
        const TBitmap drawn = DrawIcon(choice, size);
        if (drawn.Width() > 0)
            icon->Image->addPixmap(QPixmap::fromImage(ToQImage(drawn)));
    }
    if (icon->Image->isNull())
        return nullptr;
    return (cache[entries[0]->Name] = std::move(icon)).get();
}

HCURSOR SetClassLongA(TWindow* window, int index, HCURSOR cursor)
{
    if (!window || index != GCL_HCURSOR)
        return nullptr;
    return window->SetClassCursor(cursor);
}

bool GetCursorPos(TPoint* point)
{
    if (!point)
        return false;
    const QPoint p = QCursor::pos();
    *point = {p.x(), p.y()};
    return true;
}

bool SetCursorPos(int x, int y)
{
    QCursor::setPos(x, y);
    return true;
}
