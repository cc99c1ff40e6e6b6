#include "vntl/pagecheck.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <string_view>

#include "vntl/sqlitedb.h"

namespace vntl::pagecheck {

namespace {

constexpr unsigned char kIndexInterior = 2, kTableInterior = 5, kIndexLeaf = 10, kTableLeaf = 13;
constexpr int kMaxDepth = 40;  // a b-tree of pages this small never grows deeper

// A damaged file: the walk stops at the first fault it meets.
struct Damage {
    std::wstring reason;
};
struct Unsupported {
    std::wstring reason;
};

[[noreturn]] void damaged(const std::wstring& what, std::uint32_t page) {
    throw Damage{what + L" (page " + std::to_wstring(page) + L")"};
}

std::uint32_t bigEndian(const unsigned char* p, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) value = (value << 8) | p[i];
    return value;
}

// An SQLite variable-length integer starting at `at`, which must end before `end`.
inline std::uint64_t varint(const unsigned char*& at, const unsigned char* end,
                            std::uint32_t page) {
    if (at < end && *at < 0x80) return *at++;  // nearly every number of a catalogue
    std::uint64_t value = 0;
    for (int i = 0; i < 9; ++i) {
        if (at >= end) damaged(L"a number runs past its cell", page);
        const unsigned char byte = *at++;
        if (i == 8) return (value << 8) | byte;
        value = (value << 7) | (byte & 0x7F);
        if (!(byte & 0x80)) return value;
    }
    return value;
}

// Bytes a value of this serial type takes in a record body.
inline std::uint64_t serialSize(std::uint64_t type, std::uint32_t page) {
    static constexpr std::uint64_t kFixed[] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0};
    if (type < 10) return kFixed[type];
    if (type < 12) damaged(L"a row holds a value of an unknown kind", page);
    return (type - 12) / 2;
}

std::uint32_t pageSizeOf(std::span<const unsigned char> image) {
    const std::uint32_t size = bigEndian(&image[16], 2);
    return size == 1 ? 65536 : size;
}

class Walk {
public:
    Walk(std::span<const unsigned char> image, const SchemaSink& schema)
        : image_(image),
          schema_(schema),
          pageSize_(pageSizeOf(image)),
          usable_(pageSize_ - image[20]),
          pages_(pageCountOf(image, pageSize_)),
          seen_(pages_ + 1, false) {
        if (static_cast<std::uint64_t>(pages_) * pageSize_ > (1u << 30))
            throw Unsupported{L"a file over a gigabyte"};
        if (bigEndian(&image[52], 4) != 0) throw Unsupported{L"auto-vacuum"};
        if (bigEndian(&image[64], 4) != 0) damaged(L"its header is invalid", 1);
        if (image[18] != 1 || image[19] != 1) throw Unsupported{L"write-ahead log"};
        if (bigEndian(&image[56], 4) > 1) throw Unsupported{L"UTF-16 texts"};
        if (usable_ < 480) damaged(L"its header is invalid", 1);
    }

    Result run() {
        Result result;
        result.schemaFormat = bigEndian(&image_[44], 4);
        std::vector<std::uint32_t> roots;
        tree(1, std::nullopt, 0, [&](const std::string& record, std::uint32_t page) {
            schemaEntry(record, page, roots, result);
        });
        for (std::uint32_t root : roots) tree(root, std::nullopt, 0, nullptr);
        freeList();
        for (std::uint32_t page = 1; page <= pages_; ++page)
            if (!seen_[page]) damaged(L"a page belongs to nothing", page);
        return result;
    }

private:
    using RecordSink = std::function<void(const std::string&, std::uint32_t)>;

    // SQLite trusts the header's page count when the file's last writer kept it, and the
    // file's size otherwise; pages past the count are not part of the database.
    static std::uint32_t pageCountOf(std::span<const unsigned char> image, std::uint32_t size) {
        const std::uint32_t inHeader = bigEndian(&image[28], 4);
        const bool kept = inHeader != 0 && bigEndian(&image[24], 4) == bigEndian(&image[92], 4);
        const auto inFile = static_cast<std::uint32_t>(image.size() / size);
        return kept ? std::min(inHeader, inFile) : inFile;
    }

    const unsigned char* page(std::uint32_t number) {
        if (number < 1 || number > pages_) damaged(L"a page number lies outside the file", number);
        if (seen_[number]) damaged(L"a page is used twice", number);
        seen_[number] = true;
        return image_.data() + static_cast<std::size_t>(number - 1) * pageSize_;
    }

    // Walks the b-tree rooted at `number`, whose root page tells whether it is a table or an
    // index; hands each table-leaf record to `sink` when given.
    void tree(std::uint32_t number, std::optional<bool> kind, int depth, const RecordSink& sink) {
        if (depth > kMaxDepth) damaged(L"a b-tree is impossibly deep", number);
        const unsigned char* base = page(number);
        const unsigned char* header = base + (number == 1 ? 100 : 0);
        const unsigned char type = header[0];
        const bool leaf = type == kTableLeaf || type == kIndexLeaf;
        const bool table = kind.value_or(type == kTableLeaf || type == kTableInterior);
        if ((table && type != kTableLeaf && type != kTableInterior) ||
            (!table && type != kIndexLeaf && type != kIndexInterior))
            damaged(L"a b-tree page is of the wrong kind", number);
        const std::uint32_t cells = bigEndian(header + 3, 2);
        const unsigned char* pointers = header + (leaf ? 8 : 12);
        std::uint32_t contentStart = bigEndian(header + 5, 2);
        if (contentStart == 0) contentStart = 65536;
        if (pointers + 2 * cells > base + contentStart || contentStart > usable_)
            damaged(L"a page holds more cells than it has room for", number);
        if (depth == 0) lastRowid_.reset();
        std::uint64_t used =
            header[7] + freeBytes(base, bigEndian(header + 1, 2), contentStart, number);
        for (std::uint32_t i = 0; i < cells; ++i) {
            const std::uint32_t offset = bigEndian(pointers + 2 * i, 2);
            if (offset < contentStart || offset + 4 > usable_)
                damaged(L"a cell lies outside its page", number);
            used += std::max<std::uint32_t>(
                4, cell(base + offset, base + usable_, number, type, depth, sink));
        }
        // Cells, free blocks and fragments fill the content area exactly, as SQLite counts it.
        if (used != usable_ - contentStart) damaged(L"its free space is corrupt", number);
        if (!leaf) tree(bigEndian(header + 8, 4), table, depth + 1, sink);
    }

    // The bytes of a page's chain of free blocks, which must lie in its content area in order.
    std::uint64_t freeBytes(const unsigned char* base, std::uint32_t block,
                            std::uint32_t contentStart, std::uint32_t number) const {
        std::uint64_t total = 0;
        std::uint32_t floor = contentStart;
        while (block != 0) {
            if (block < floor || block + 4 > usable_) damaged(L"its free space is corrupt", number);
            const std::uint32_t size = bigEndian(base + block + 2, 2);
            if (size < 4 || block + size > usable_) damaged(L"its free space is corrupt", number);
            total += size;
            floor = block + size;
            block = bigEndian(base + block, 2);
        }
        return total;
    }

    // Walks one cell and what hangs from it; returns the bytes the cell takes in its page.
    std::uint32_t cell(const unsigned char* at, const unsigned char* end, std::uint32_t number,
                       unsigned char type, int depth, const RecordSink& sink) {
        const unsigned char* start = at;
        if (type == kTableInterior || type == kIndexInterior) {
            tree(bigEndian(at, 4), type == kTableInterior, depth + 1, sink);
            at += 4;
            if (type == kTableInterior) {
                varint(at, end, number);
                return static_cast<std::uint32_t>(at - start);
            }
        }
        const std::uint64_t size = varint(at, end, number);
        if (type == kTableLeaf) {
            const auto rowid = static_cast<std::int64_t>(varint(at, end, number));
            if (lastRowid_ && rowid <= *lastRowid_) damaged(L"rows are out of order", number);
            lastRowid_ = rowid;
        }
        const std::uint64_t local = payload(at, end, size, type == kTableLeaf, number, sink);
        return static_cast<std::uint32_t>(at - start + local);
    }

    // The payload of a cell: its local part and its overflow chain, as SQLite splits it.
    // Returns the bytes it takes in the cell's page.
    std::uint64_t payload(const unsigned char* at, const unsigned char* end, std::uint64_t size,
                          bool table, std::uint32_t number, const RecordSink& sink) {
        const std::uint64_t most = table ? usable_ - 35 : (usable_ - 12) * 64 / 255 - 23;
        const std::uint64_t least = (usable_ - 12) * 32 / 255 - 23;
        std::uint64_t local = size;
        if (size > most) {
            local = least + (size - least) % (usable_ - 4);
            if (local > most) local = least;
        }
        if (at + local + (local < size ? 4 : 0) > end)
            damaged(L"a cell runs past its page", number);
        std::string record;
        const bool keep = static_cast<bool>(sink);
        if (keep) record.assign(reinterpret_cast<const char*>(at), local);
        if (table) checkRecord(at, at + local, size, number);
        std::uint64_t left = size - local;
        std::uint32_t next = local < size ? bigEndian(at + local, 4) : 0;
        while (left > 0) {
            if (next == 0) damaged(L"a value's continuation is missing", number);
            const unsigned char* overflow = page(next);
            const std::uint64_t part = std::min<std::uint64_t>(left, usable_ - 4);
            if (keep) record.append(reinterpret_cast<const char*>(overflow + 4), part);
            left -= part;
            next = bigEndian(overflow, 4);
        }
        if (next != 0) damaged(L"a value continues past its end", number);
        if (keep) sink(record, number);
        return local < size ? local + 4 : local;
    }

    // The record header must describe exactly the bytes the cell says it holds.
    static void checkRecord(const unsigned char* at, const unsigned char* localEnd,
                            std::uint64_t size, std::uint32_t number) {
        const unsigned char* start = at;
        const std::uint64_t headerSize = varint(at, localEnd, number);
        if (headerSize > size || headerSize < static_cast<std::uint64_t>(at - start))
            damaged(L"a row's header is invalid", number);
        if (start + headerSize > localEnd) return;  // a header this long is checked on reading
        std::uint64_t body = 0;
        while (at < start + headerSize)
            body += serialSize(varint(at, start + headerSize, number), number);
        if (headerSize + body != size) damaged(L"a row's size disagrees with its values", number);
    }

    // A schema row: type, name, table name, root page, SQL.
    void schemaEntry(const std::string& record, std::uint32_t number,
                     std::vector<std::uint32_t>& roots, Result& result) {
        const auto* at = reinterpret_cast<const unsigned char*>(record.data());
        const auto* end = at + record.size();
        const unsigned char* header = at;
        const std::uint64_t headerSize = varint(at, end, number);
        if (headerSize > record.size()) damaged(L"a schema row is invalid", number);
        std::uint64_t types[5] = {};
        for (auto& type : types) type = at < header + headerSize ? varint(at, end, number) : 0;
        const unsigned char* body = header + headerSize;
        std::string_view values[5];
        for (int i = 0; i < 5; ++i) {
            const std::uint64_t length = serialSize(types[i], number);
            if (body + length > end) damaged(L"a schema row is invalid", number);
            values[i] = std::string_view(reinterpret_cast<const char*>(body), length);
            body += length;
        }
        const bool integerRoot = types[3] >= 1 && types[3] <= 4;
        const auto isText = [&](int i) { return types[i] >= 13 && types[i] % 2 == 1; };
        if (schema_)
            schema_({values[0], values[1], values[2], values[4],
                     integerRoot && isText(0) && isText(1) && isText(2) && isText(4),
                     isInternal(values[1])});
        std::uint32_t root = 0;
        if (integerRoot)
            root = bigEndian(reinterpret_cast<const unsigned char*>(values[3].data()),
                             static_cast<int>(values[3].size()));
        if (root == 0) return;  // views and triggers own no pages
        if (root == 1 || !roots_.insert(root).second)
            damaged(L"two schema rows share a b-tree", number);
        roots.push_back(root);
        if (values[0] == "table" && !isInternal(values[1]))
            result.tables.push_back(sqlite::fromUtf8(values[1]));
    }

    // SQLite's own tables ("sqlite_sequence", "sqlite_stat1"), whatever the letter case.
    static bool isInternal(std::string_view name) {
        constexpr std::string_view kPrefix = "sqlite_";
        if (name.size() < kPrefix.size()) return false;
        for (std::size_t i = 0; i < kPrefix.size(); ++i)
            if ((name[i] | 0x20) != kPrefix[i] && name[i] != kPrefix[i]) return false;
        return true;
    }

    void freeList() {
        std::uint32_t trunk = bigEndian(&image_[32], 4);
        std::uint64_t remaining = bigEndian(&image_[36], 4);
        while (trunk != 0) {
            const unsigned char* base = page(trunk);
            if (remaining == 0) damaged(L"the free list is longer than the header says", trunk);
            --remaining;
            const std::uint32_t leaves = bigEndian(base + 4, 4);
            if (leaves > usable_ / 4 - 2 || leaves > remaining)
                damaged(L"a free-list page is invalid", trunk);
            for (std::uint32_t i = 0; i < leaves; ++i) page(bigEndian(base + 8 + 4 * i, 4));
            remaining -= leaves;
            trunk = bigEndian(base, 4);
        }
        if (remaining != 0) damaged(L"the free list is shorter than the header says", 1);
    }

    std::span<const unsigned char> image_;
    const SchemaSink& schema_;
    std::uint32_t pageSize_;
    std::uint32_t usable_;
    std::uint32_t pages_;
    std::vector<bool> seen_;
    std::set<std::uint32_t> roots_;
    std::optional<std::int64_t> lastRowid_;  // of the table being walked
};

Result refused(Verdict verdict, std::wstring reason) {
    Result result;
    result.verdict = verdict;
    result.reason = std::move(reason);
    return result;
}

}  // namespace

Result checkImage(std::span<const unsigned char> image, const SchemaSink& schema) {
    // The file was judged by its header before it was read; it may have changed since.
    if (image.size() < 100) return refused(Verdict::damaged, L"it is cut short");
    const std::uint32_t size = pageSizeOf(image);
    if (size < 512 || (size & (size - 1)) != 0 || image.size() < size)
        return refused(Verdict::damaged, L"its header is invalid");
    try {
        return Walk(image, schema).run();
    } catch (const Damage& damage) {
        return refused(Verdict::damaged, damage.reason);
    } catch (const Unsupported& unsupported) {
        return refused(Verdict::unsupported, unsupported.reason);
    }
}

}  // namespace vntl::pagecheck
