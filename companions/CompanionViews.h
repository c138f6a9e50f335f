#pragma once
// The companion programs' views: one table with named fields, read by the
// window and the poller. A view is one or more sections; a section is a table
// walked column by column, or a group of scalars shown one object per line.
#include <QString>
#include <QStringList>
#include <span>

#include "snmp/NvSNMPVarDescriptor.h"

enum class CompanionLayout { Table, Scalars };

struct CompanionSection {
    const char* caption = nullptr;                // tab caption
    CompanionLayout layout = CompanionLayout::Table;
    const NvSNMPVarDescriptor* objects = nullptr; // closed by a null identifier
    const char* rowName = nullptr;                // column whose value names a line in the chart legend
    // Lines are buckets of a sampling interval ("control.sample", RMON history):
    // their counters get no rates, and the chart draws them by sample number.
    bool buckets = false;
};

struct CompanionView {
    const char* argument = nullptr;  // the /T value without "/T": "<companion>_<view>"
    const char* title = nullptr;     // window caption
    std::span<const CompanionSection> sections;
};

class CompanionViews {
public:
    // The six companion program names.
    static const QStringList& programNames();
    static std::span<const CompanionView> all();
    // The view of a /T value (with or without the leading "/T"); null when none.
    static const CompanionView* find(const QString& argument);
    // The /T arguments of a program's views ("/TMIB_Info", ...).
    static QStringList argumentsOf(const QString& program);
    // The program a view belongs to: its argument up to the first "_".
    static QString programOf(const CompanionView& view);
};
