// The steel shapes catalogue as the host reaches it: one process-wide object
// that holds every catalogue row by section name (without regard to case),
// answers look-ups and generates candidate section lists sorted by area.
//
// Threads: Instance() may be called from any number of threads, the first
// call too (one of them loads the catalogue, the others wait for it). The
// const members (the look-ups, the factory and DeleteAiscDesign, and the
// GenerateSections by size or by prefix) may run on many threads at once, as
// RunMembers runs the factory. The rest change the instance: the cached
// GenerateSections of a list, ReloadAllSections, ResetInstance and
// assignment run while no other thread uses the instance.
#pragma once

#include <map>
#include <vector>

#include "../platform/CString.h"
#include "../platform/Export.h"
#include "../section/mvSect_AISC.h"

class CAiscDesign;

// Orders texts without regard to case (CString::CompareNoCase), so that two
// section names that differ only in case are one key.
struct CStringCompareNoCaseLessThan
{
    bool operator()(const zorsteel::CString& a, const zorsteel::CString& b) const { return a.CompareNoCase(b) < 0; }
};

class ZORSTEEL_API CSteelDesignManager
{
public:
    using CString = zorsteel::CString;

    // The instance, created on the first call with the catalogue loaded; a
    // catalogue that cannot be read leaves it usable with an empty index.
    // Null only when memory for it cannot be had.
    static CSteelDesignManager* Instance();
    // Destroys the instance, if there is one; the next Instance() reads the
    // catalogue afresh.
    static void ResetInstance();

    // Copies take both maps element by element; a move takes them over and
    // leaves the source with two empty maps.
    CSteelDesignManager(const CSteelDesignManager& other);
    CSteelDesignManager(CSteelDesignManager&& other) noexcept;
    CSteelDesignManager& operator=(const CSteelDesignManager& other);
    CSteelDesignManager& operator=(CSteelDesignManager&& other) noexcept;
    ~CSteelDesignManager();

    // Empties the cache of generated lists and reads the catalogue again. A
    // file that cannot be opened is reported and leaves the index as it was.
    void ReloadAllSections();

    // ---- Look-ups, without regard to case (a null name is empty) ----------
    bool IsValidAiscSection(const wchar_t* name) const;
    // Copies the named row into section; an unknown name returns false and
    // leaves section as it was.
    bool GetAiscSection(mvSect_AISC& section, const wchar_t* name) const;
    // The row with its shape code, ready for CAiscDesign::SetSection(record,
    // shapeCode) after the host's changes; false, row as it was, when unknown.
    bool GetAiscSection(mvDesignSect_AISC& row, const wchar_t* name) const;

    // ---- Design factory ------------------------------------------------------
    // A design object of the section's family with the section set (read
    // again from the catalogue file by name, as given), or null for a name
    // the index does not hold or a family without a design class. The caller
    // returns it with DeleteAiscDesign.
    CAiscDesign* CreateAiscDesign(const wchar_t* name) const;
    // Destroys an object made by CreateAiscDesign; null is ignored.
    void DeleteAiscDesign(CAiscDesign* design) const;

    // ---- Section generation ------------------------------------------------
    // Each form appends to sections (the cached list form may replace it, see
    // below) and then sorts the whole vector by ascending A, ties in no
    // particular order. Each reads the catalogue file; one it cannot open is
    // reported and adds nothing.

    // The rows of one shape code whose width and height lie within the
    // bounds, inclusive; a bound of 0 is no bound. Width and height are bf
    // and d (I-shapes, channels, tees), d and b (angles), b and Ht
    // (rectangular HSS), OD and OD (round HSS, pipe); other codes give none.
    void GenerateSections(std::vector<mvSect_AISC>& sections, int shapeCode, double minWidth, double maxWidth,
                          double minHeight, double maxHeight) const;
    // The rows of one shape code whose names begin with one of the prefixes
    // of a list (ParseList), in any case; each row at most once.
    void GenerateSections(std::vector<mvSect_AISC>& sections, int shapeCode, const CString& prefixList) const;
    // The rows named by a list of designations and prefixes (ParseList): each
    // item gives the rows of its family (get_shape) that begin with it; an
    // "HSS" item of no single family gives rectangular and round HSS; other
    // items give none. The result is cached under the list text: asking again
    // for the same text, in any case, replaces sections with the cached list
    // without reading the file, until ReloadAllSections.
    void GenerateSections(std::vector<mvSect_AISC>& sections, const CString& list);

private:
    CSteelDesignManager() = default;

    // Reads every row of the catalogue into the index, codes 0 to 14 in turn;
    // a row read later replaces an earlier one of the same name, which keeps
    // its first spelling as the key. False, with the index as it was, when
    // the file cannot be opened.
    bool LoadAllSections();
    // The indexed row of a name, or null.
    const mvDesignSect_AISC* FindSection(const wchar_t* name) const;
    bool CheckSectionWidthHeight(double width, double height, double minWidth, double maxWidth, double minHeight,
                                 double maxHeight) const;
    bool CheckSectionPrefix(const std::vector<CString>& prefixes, const CString& name) const;

    static CSteelDesignManager* _instance;

    std::map<CString, mvDesignSect_AISC, CStringCompareNoCaseLessThan> m_sections;
    std::map<CString, std::vector<mvSect_AISC>, CStringCompareNoCaseLessThan> m_generatedLists;
};
