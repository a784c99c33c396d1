#include "rules/document/findings.h"

#include <string_view>

namespace rules {

const char* SectionHeader(SectionId section) {
    switch (section) {
        case SectionId::Cosmic:
            return "@COSMIC";
        case SectionId::Advances:
            return "@CIVILIZE";
        case SectionId::Units:
            return "@UNITS";
    }
    return "@COSMIC";
}

namespace {

std::string MalformedReason(SectionId section) {
    switch (section) {
        case SectionId::Advances:
            return "fewer than 6 commas, or no \";\" after the 6th comma";
        case SectionId::Units:
            return "fewer than 13 commas";
        case SectionId::Cosmic:
            break;
    }
    return "its fields cannot be read";
}

std::string CapacityReason(SectionId section) {
    switch (section) {
        case SectionId::Advances:
            return "the table already holds its 94 advances";
        case SectionId::Units:
            return "the table already holds its 54 units";
        case SectionId::Cosmic:
            break;
    }
    return "the table is full";
}

}  // namespace

std::string FindingReason(const Finding& finding) {
    switch (finding.kind) {
        case Finding::Kind::MissingHeader:
            return "the section header was not found; the section is empty and will not be "
                   "written";
        case Finding::Kind::MissingTerminator:
            return "the section has no closing \";\" line; it was read up to the next section "
                   "header or the end of the file";
        case Finding::Kind::MalformedLine:
            return MalformedReason(finding.section) + "; the line was left as it is";
        case Finding::Kind::HeaderLikeName:
            return "the name begins with \"@\", which would make the line read as a section "
                   "header once saved; the line was left as it is";
        case Finding::Kind::OverCapacity:
            return CapacityReason(finding.section) + "; the line was left as it is";
    }
    return "unknown finding";
}

std::string FindingReason(const Finding& first, std::size_t lines) {
    std::string reason = FindingReason(first);
    constexpr std::string_view kOne = "; the line was left as it is";
    if (lines > 1 && reason.ends_with(kOne))
        reason.replace(reason.size() - kOne.size(), kOne.size(), "; they were left as they are");
    return reason;
}

std::string Describe(const Finding& finding) {
    const std::string header = SectionHeader(finding.section);
    // A missing header is about the whole section, wherever it was looked for.
    if (finding.line >= 0 && finding.kind != Finding::Kind::MissingHeader)
        return "Line " + std::to_string(finding.line + 1) + " (" + header + "): " +
               FindingReason(finding);
    return header + ": " + FindingReason(finding);
}

}  // namespace rules
