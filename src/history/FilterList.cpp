#include "history/FilterList.h"

#include <stdexcept>
#include <string>

namespace {

void CheckPosition(int position, int count)
{
    if (position < 0 || position >= count)
        throw std::out_of_range("filter list position " + std::to_string(position) + " out of range");
}

} // namespace

void TFilterList::AddItem(const QString &name, int index, int value3, int value2, int value1)
{
    FItems.push_back(std::make_unique<TFilterItem>(TFilterItem{name, index, value1, value2, value3}));
}

void TFilterList::InsertItem(int position, const QString &name, int value3, int value2, int value1, int index)
{
    if (position != Count())
        CheckPosition(position, Count());
    FItems.insert(FItems.begin() + position,
                  std::make_unique<TFilterItem>(TFilterItem{name, index, value1, value2, value3}));
}

void TFilterList::DeleteItem(int position)
{
    CheckPosition(position, Count());
    FItems.erase(FItems.begin() + position);
}

void TFilterList::Clear()
{
    FItems.clear();
}

TFilterItem &TFilterList::GetFilterItem(int position)
{
    CheckPosition(position, Count());
    return *FItems[std::size_t(position)];
}

const TFilterItem &TFilterList::GetFilterItem(int position) const
{
    CheckPosition(position, Count());
    return *FItems[std::size_t(position)];
}

void TFilterList::SetFilterItem(int position, const TFilterItem &item)
{
    GetFilterItem(position) = item;
}
