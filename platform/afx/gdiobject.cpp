// The GDI object wrappers and their handle maps.
#include "afx/gdiobject.h"

#include <cwchar>
#include <iterator>
#include <memory>

#include "afx/bitmap.h"
#include "afx/brush.h"
#include "afx/dc.h"
#include "afx/font.h"
#include "afx/handlemap.h"
#include "afx/pen.h"
#include "win/diagnostics.h"
#include "win/module.h"
#include "win/resource.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

namespace {

CHandleMap<HGDIOBJ, CGdiObject>& objectMap() {
    static CHandleMap<HGDIOBJ, CGdiObject> map;
    return map;
}

// A temporary object of the class that matches the handle, so that CPen::FromHandle and its
// sisters hand out objects of their own class.
std::unique_ptr<CGdiObject> makeTemporary(HGDIOBJ hObject) {
    std::unique_ptr<CGdiObject> pObject;
    switch (::GetObjectType(hObject)) {
        case OBJ_PEN:
            pObject = std::make_unique<CPen>();
            break;
        case OBJ_BRUSH:
            pObject = std::make_unique<CBrush>();
            break;
        case OBJ_FONT:
            pObject = std::make_unique<CFont>();
            break;
        case OBJ_BITMAP:
            pObject = std::make_unique<CBitmap>();
            break;
        default:
            pObject = std::make_unique<CGdiObject>();
            break;
    }
    pObject->m_hObject = hObject;
    return pObject;
}

}  // namespace

CGdiObject::~CGdiObject() {
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
    return objectMap().FromHandle(hObject, makeTemporary);
}

void CGdiObject::DeleteTempMap() {
    objectMap().DeleteTemp([](CGdiObject& object) { object.m_hObject = nullptr; });
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    ASSERT(m_hObject == nullptr);
    if (!hObject) return FALSE;
    objectMap().SetPermanent(hObject, this);
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    if (hObject) objectMap().RemovePermanent(hObject);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
    return ::GetObjectW(m_hObject, nCount, lpObject);
}
UINT CGdiObject::GetObjectType() const {
    return UINT(::GetObjectType(m_hObject));
}
BOOL CGdiObject::CreateStockObject(int nIndex) {
    return Attach(::GetStockObject(nIndex));
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
    CreatePen(nPenStyle, nWidth, crColor);
}
CPen* CPen::FromHandle(HPEN hPen) {
    return static_cast<CPen*>(CGdiObject::FromHandle(hPen));
}
BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

CBrush::CBrush(COLORREF crColor) {
    CreateSolidBrush(crColor);
}
CBrush* CBrush::FromHandle(HBRUSH hBrush) {
    return static_cast<CBrush*>(CGdiObject::FromHandle(hBrush));
}
BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    return Attach(::CreateSolidBrush(crColor));
}
BOOL CBrush::CreateSysColorBrush(int nIndex) {
    return Attach(::GetSysColorBrush(nIndex));
}

CFont* CFont::FromHandle(HFONT hFont) {
    return static_cast<CFont*>(CGdiObject::FromHandle(hFont));
}
BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    return Attach(::CreateFontIndirectW(lpLogFont));
}
BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName) {
    // Tenths of a point at the screen's 96 dots per inch, rounded as MulDiv rounds.
    LOGFONT logFont{};
    logFont.lfHeight = -((nPointSize * 96 + 360) / 720);
    wcsncpy(logFont.lfFaceName, lpszFaceName, std::size(logFont.lfFaceName) - 1);
    return CreateFontIndirect(&logFont);
}
int CFont::GetLogFont(LOGFONT* pLogFont) const {
    return GetObject(sizeof(LOGFONT), pLogFont);
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
    return static_cast<CBitmap*>(CGdiObject::FromHandle(hBitmap));
}
BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    return LoadBitmap(MAKEINTRESOURCE(nIDResource));
}
BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    return Attach(::LoadBitmapW(hInst, lpszResourceName));
}
BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount,
                           const void* lpBits) {
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}
BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}
int CBitmap::GetBitmap(BITMAP* pBitMap) const {
    return GetObject(sizeof(BITMAP), pBitMap);
}
