// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/hid_report_descriptor.h"

#include <algorithm>
#include <map>
#include <optional>

namespace z408 {

namespace {

// Bounds on state a descriptor can make us hold; real descriptors stay far below them.
constexpr size_t kMaxGlobalStack = 16;
constexpr size_t kMaxUsagesPerItem = 12288;
constexpr uint32_t kMaxReportSize = 256;  // bits per field
constexpr uint32_t kMaxReportCount = 65535;

enum class ItemType : uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

enum MainTag : uint8_t {
    kInput = 0x8,
    kOutput = 0x9,
    kCollection = 0xA,
    kFeature = 0xB,
    kEndCollection = 0xC
};
enum GlobalTag : uint8_t {
    kUsagePage = 0x0,
    kLogicalMin = 0x1,
    kLogicalMax = 0x2,
    kPhysicalMin = 0x3,
    kPhysicalMax = 0x4,
    kUnitExponent = 0x5,
    kUnit = 0x6,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB
};
enum LocalTag : uint8_t { kUsage = 0x0, kUsageMin = 0x1, kUsageMax = 0x2 };

constexpr uint32_t kMainConstant = 0x01;
constexpr uint32_t kMainVariable = 0x02;

struct Item {
    ItemType type = ItemType::Main;
    uint8_t tag = 0;
    uint8_t size = 0;  // data bytes: 0, 1, 2 or 4
    uint32_t data = 0;
    bool isLong = false;
};

int64_t signedData(const Item& item) {
    switch (item.size) {
        case 1:
            return static_cast<int8_t>(static_cast<uint8_t>(item.data));
        case 2:
            return static_cast<int16_t>(static_cast<uint16_t>(item.data));
        case 4:
            return static_cast<int32_t>(item.data);
        default:
            return 0;
    }
}

struct GlobalState {
    uint16_t usagePage = 0;
    int64_t logicalMin = 0;
    uint32_t logicalMaxRaw = 0;
    uint8_t logicalMaxSize = 0;
    int64_t physicalMin = 0;
    int64_t physicalMax = 0;
    int32_t unitExponent = 0;
    uint32_t unit = 0;
    uint32_t reportSize = 0;
    uint8_t reportId = 0;
    uint32_t reportCount = 0;
};

// A usage or a usage range as declared; the page is known only for extended (4-byte) usages
// until the main item, which takes the usage page then in force.
struct LocalUsage {
    uint32_t min = 0;
    uint32_t max = 0;
    bool extended = false;
    bool isRange = false;
};

struct LocalState {
    std::vector<LocalUsage> usages;
    std::optional<Item> pendingMin;
    void clear() {
        usages.clear();
        pendingMin.reset();
    }
};

// Reads the item at `pos`; nullopt when it runs past the end.
std::optional<Item> readItem(std::span<const uint8_t> d, size_t pos, size_t& next) {
    const uint8_t prefix = d[pos];
    Item item;
    if (prefix == 0xFE) {  // long item: size byte, tag byte, data
        if (d.size() - pos < 3) return std::nullopt;
        const size_t dataSize = d[pos + 1];
        if (d.size() - pos - 3 < dataSize) return std::nullopt;
        item.isLong = true;
        item.tag = d[pos + 2];
        next = pos + 3 + dataSize;
        return item;
    }
    static constexpr uint8_t kSizes[4] = {0, 1, 2, 4};
    item.size = kSizes[prefix & 0x3];
    item.type = static_cast<ItemType>((prefix >> 2) & 0x3);
    item.tag = static_cast<uint8_t>(prefix >> 4);
    if (d.size() - pos - 1 < item.size) return std::nullopt;
    for (uint8_t i = 0; i < item.size; ++i)
        item.data |= static_cast<uint32_t>(d[pos + 1 + i]) << (8 * i);
    next = pos + 1 + item.size;
    return item;
}

class Parser {
  public:
    explicit Parser(std::span<const uint8_t> d) : d_(d) {}

    HidDescriptorInfo run() {
        size_t pos = 0;
        while (pos < d_.size()) {
            size_t next = pos;
            const std::optional<Item> item = readItem(d_, pos, next);
            if (!item) return fail(pos, "the descriptor ends inside an item");
            if (!item->isLong && !handle(*item)) {
                info_.errorOffset = pos;
                return std::move(info_);
            }
            pos = next;
        }
        if (!open_.empty()) return fail(d_.size(), "a collection is not closed");
        return std::move(info_);
    }

  private:
    HidDescriptorInfo fail(size_t pos, const char* why) {
        info_.error = why;
        info_.errorOffset = pos;
        return std::move(info_);
    }
    bool error(const char* why) {
        info_.error = why;
        return false;
    }

    bool handle(const Item& item) {
        switch (item.type) {
            case ItemType::Main:
                return main(item);
            case ItemType::Global:
                return global(item);
            case ItemType::Local:
                return local(item);
            case ItemType::Reserved:
                return true;  // reserved for future use: skipped, as HID class drivers do
        }
        return true;
    }

    bool global(const Item& item) {
        GlobalState& g = global_;
        switch (item.tag) {
            case kUsagePage:
                g.usagePage = static_cast<uint16_t>(item.data);
                break;
            case kLogicalMin:
                g.logicalMin = signedData(item);
                break;
            case kLogicalMax:
                g.logicalMaxRaw = item.data;
                g.logicalMaxSize = item.size;
                break;
            case kPhysicalMin:
                g.physicalMin = signedData(item);
                break;
            case kPhysicalMax:
                g.physicalMax = signedData(item);
                break;
            case kUnitExponent:
                // Commonly a 4-bit two's-complement nibble; larger values are taken as they are.
                if ((item.data & ~0xFu) == 0)
                    g.unitExponent = (item.data & 0x8) ? static_cast<int32_t>(item.data) - 16
                                                       : static_cast<int32_t>(item.data);
                else
                    g.unitExponent = static_cast<int32_t>(signedData(item));
                break;
            case kUnit:
                g.unit = item.data;
                break;
            case kReportSize:
                g.reportSize = item.data;
                break;
            case kReportId:
                if (item.data == 0 || item.data > 0xFF) return error("invalid report id");
                g.reportId = static_cast<uint8_t>(item.data);
                info_.usesReportIds = true;
                break;
            case kReportCount:
                g.reportCount = item.data;
                break;
            case kPush:
                if (stack_.size() >= kMaxGlobalStack) return error("push nested too deeply");
                stack_.push_back(g);
                break;
            case kPop:
                if (stack_.empty()) return error("pop without push");
                g = stack_.back();
                stack_.pop_back();
                break;
            default:
                break;  // reserved global tags carry nothing we use
        }
        return true;
    }

    bool local(const Item& item) {
        LocalState& l = local_;
        switch (item.tag) {
            case kUsage:
                if (l.usages.size() >= kMaxUsagesPerItem) return error("too many usages");
                l.usages.push_back({item.data, item.data, item.size == 4, false});
                break;
            case kUsageMin:
                l.pendingMin = item;
                break;
            case kUsageMax: {
                if (l.usages.size() >= kMaxUsagesPerItem) return error("too many usages");
                const Item min = l.pendingMin.value_or(Item{});
                const bool extended = min.size == 4 || item.size == 4;
                uint32_t lo = min.data;
                uint32_t hi = item.data;
                // A page given on only one end applies to both.
                if (extended && min.size != 4) lo = (hi & 0xFFFF0000u) | (lo & 0xFFFFu);
                if (extended && item.size != 4) hi = (lo & 0xFFFF0000u) | (hi & 0xFFFFu);
                if ((lo >> 16) != (hi >> 16)) return error("usage range spans usage pages");
                if ((hi & 0xFFFFu) < (lo & 0xFFFFu)) return error("usage maximum below minimum");
                l.usages.push_back({lo, hi, extended, true});
                l.pendingMin.reset();
                break;
            }
            default:
                break;  // designators, strings, delimiters: not needed for the capabilities
        }
        return true;
    }

    bool main(const Item& item) {
        bool ok = true;
        switch (item.tag) {
            case kInput:
                ok = addFields(HidReportType::Input, item.data);
                break;
            case kOutput:
                ok = addFields(HidReportType::Output, item.data);
                break;
            case kFeature:
                ok = addFields(HidReportType::Feature, item.data);
                break;
            case kCollection: {
                HidCollection c;
                c.type = static_cast<uint8_t>(item.data);
                if (!local_.usages.empty()) {
                    const LocalUsage& u = local_.usages.front();
                    c.usagePage = pageOf(u);
                    c.usage = static_cast<uint16_t>(u.min);
                }
                c.parent = open_.empty() ? -1 : open_.back();
                open_.push_back(static_cast<int32_t>(info_.collections.size()));
                info_.collections.push_back(c);
                break;
            }
            case kEndCollection:
                if (open_.empty())
                    ok = error("end collection without collection");
                else
                    open_.pop_back();
                break;
            default:
                break;
        }
        local_.clear();  // local items apply to the next main item only
        return ok;
    }

    uint16_t pageOf(const LocalUsage& u) const {
        return u.extended ? static_cast<uint16_t>(u.min >> 16) : global_.usagePage;
    }

    HidCapability base(HidReportType type, uint32_t flags) const {
        const GlobalState& g = global_;
        HidCapability c;
        c.reportType = type;
        c.reportId = g.reportId;
        c.mainFlags = flags;
        c.isConstant = (flags & kMainConstant) != 0;
        c.isButton = (flags & kMainVariable) == 0 || g.reportSize == 1;
        c.reportSize = g.reportSize;
        c.logicalMin = g.logicalMin;
        // With a non-negative minimum the maximum is read unsigned (0..255 in one byte).
        Item max;
        max.size = g.logicalMaxSize;
        max.data = g.logicalMaxRaw;
        c.logicalMax = g.logicalMin >= 0 ? static_cast<int64_t>(g.logicalMaxRaw) : signedData(max);
        c.physicalMin = g.physicalMin;
        c.physicalMax = g.physicalMax;
        c.unit = g.unit;
        c.unitExponent = g.unitExponent;
        c.collection = open_.empty() ? -1 : open_.back();
        return c;
    }

    bool addFields(HidReportType type, uint32_t flags) {
        const GlobalState& g = global_;
        if (g.reportSize > kMaxReportSize) return error("report size above 256 bits");
        if (g.reportCount > kMaxReportCount) return error("report count above 65535");
        uint64_t& offset = info_.reportBits[{type, g.reportId}];
        const uint64_t start = offset;
        offset += static_cast<uint64_t>(g.reportSize) * g.reportCount;
        if (g.reportSize == 0 || g.reportCount == 0) return true;

        const HidCapability proto = base(type, flags);
        if (local_.usages.empty()) {
            if (proto.isConstant) return true;  // padding
            HidCapability c = proto;
            c.usagePage = g.usagePage;
            c.reportCount = g.reportCount;
            c.bitOffset = start;
            info_.capabilities.push_back(c);
            return true;
        }
        const bool array = (flags & kMainVariable) == 0;
        uint64_t remaining = g.reportCount;
        uint64_t at = start;
        for (size_t i = 0; i < local_.usages.size() && remaining > 0; ++i) {
            const LocalUsage& u = local_.usages[i];
            const bool last = i + 1 == local_.usages.size();
            HidCapability c = proto;
            c.usagePage = pageOf(u);
            c.usageMin = static_cast<uint16_t>(u.min);
            c.usageMax = static_cast<uint16_t>(u.max);
            c.isRange = u.isRange;
            c.bitOffset = at;
            if (array) {
                // Every field of an array may hold any of its usages.
                c.reportCount = g.reportCount;
            } else {
                const uint64_t span = static_cast<uint64_t>(c.usageMax - c.usageMin) + 1;
                const uint64_t n = last ? remaining : std::min(remaining, span);
                if (c.isRange && n < span)
                    c.usageMax = static_cast<uint16_t>(c.usageMin + static_cast<uint16_t>(n - 1));
                c.reportCount = static_cast<uint32_t>(n);
                remaining -= n;
                at += n * g.reportSize;
            }
            info_.capabilities.push_back(c);
        }
        return true;
    }

    std::span<const uint8_t> d_;
    HidDescriptorInfo info_;
    GlobalState global_;
    std::vector<GlobalState> stack_;
    LocalState local_;
    std::vector<int32_t> open_;
};

bool usageMatches(const HidCapability& c, uint16_t usage) {
    return c.isRange ? (usage >= c.usageMin && usage <= c.usageMax) : c.usageMin == usage;
}

}  // namespace

const char* toString(HidReportType type) {
    switch (type) {
        case HidReportType::Input:
            return "input";
        case HidReportType::Output:
            return "output";
        case HidReportType::Feature:
            return "feature";
    }
    return "?";
}

std::vector<HidCapability> HidDescriptorInfo::valueCaps(HidReportType type) const {
    std::vector<HidCapability> out;
    for (const HidCapability& c : capabilities)
        if (c.reportType == type && !c.isButton) out.push_back(c);
    return out;
}

const HidCapability* HidDescriptorInfo::findValue(HidReportType type, uint16_t usagePage,
                                                  uint16_t usage) const {
    for (const HidCapability& c : capabilities)
        if (c.reportType == type && !c.isButton && c.usagePage == usagePage &&
            usageMatches(c, usage))
            return &c;
    return nullptr;
}

uint64_t HidDescriptorInfo::reportLength(HidReportType type, uint8_t reportId) const {
    const auto it = reportBits.find({type, reportId});
    if (it == reportBits.end()) return 0;
    return (it->second + 7) / 8 + (usesReportIds ? 1 : 0);
}

HidDescriptorInfo parseHidReportDescriptor(std::span<const uint8_t> descriptor) {
    return Parser(descriptor).run();
}

}  // namespace z408
