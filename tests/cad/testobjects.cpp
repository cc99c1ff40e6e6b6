#include "testobjects.h"

ACRX_NO_CONS_DEFINE_MEMBERS(TestContainer, AcDbObject)
ACRX_NO_CONS_DEFINE_MEMBERS(TestSubContainer, TestContainer)
ACRX_NO_CONS_DEFINE_MEMBERS(TestOther, AcDbObject)

TestContainer::~TestContainer() {
    if (m_destroyed != nullptr) *m_destroyed = true;
}
