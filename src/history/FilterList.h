#pragma once
// The effects applied through the colour and filter panel since the canvas
// was last rebuilt.

#include <QString>

#include <memory>
#include <vector>

struct TFilterItem {
    QString FilterName;
    int FilterIndex = 0;
    int FilterValue1 = 0;
    int FilterValue2 = 0;
    int FilterValue3 = 0;
};

class TFilterList {
public:
    int Count() const { return int(FItems.size()); }
    void AddItem(const QString &name, int index, int value3, int value2, int value1);
    void InsertItem(int position, const QString &name, int value3, int value2, int value1, int index);
    void DeleteItem(int position);
    void Clear();
    TFilterItem &GetFilterItem(int position);
    const TFilterItem &GetFilterItem(int position) const;
    void SetFilterItem(int position, const TFilterItem &item);

private:
    std::vector<std::unique_ptr<TFilterItem>> FItems;
};
