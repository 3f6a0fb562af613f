// The view transform. The surface shows the radius, so one millimetre of X (a diameter) moves a
// point half a millimetre; TurretFactor (+1 or -1) mirrors X. Normal view: Z to the right, +X up;
// vertical-lathe view: Z up, +X to the left.
#include "display/path_display.h"
#include "display/view.h"

namespace trazor {

SurfacePoint ToSurface(const InterpreterState& st, double x, double z)
{
    return HalfPlaneToSurface(st, z, x / 2);
}

SurfacePoint HalfPlaneToSurface(const InterpreterState& st, double z, double halfX)
{
    double f = st.TurretFactor;
    if (st.VerticalView)
        return { -f * halfX, -z };
    return { z, -f * halfX };
}

MachinePoint SurfaceToMachine(const InterpreterState& st, double u, double v)
{
    double f = st.TurretFactor;
    if (st.VerticalView)
        return { -2 * f * u, -v };
    return { -2 * f * v, u };
}

} // namespace trazor
