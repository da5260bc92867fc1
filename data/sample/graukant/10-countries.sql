-- Countries of the sample materials database.

INSERT INTO tabLand (ID_Land, Landeskuerzel, Land_D, Land_F, Land_E, EuLand, Filter) VALUES
    (34, 'EU', 'Europa (EN)', 'Europe (EN)', 'Europe (EN)', -1, -1),
    (32, 'D', 'Deutschland', 'Allemagne', 'Germany', -1, -1),
    (18, 'A', 'Österreich', 'Autriche', 'Austria', -1, -1),
    (12, 'F', 'Frankreich', 'France', 'France', -1, -1),
    (14, 'GB', 'Großbritannien', 'Royaume-Uni', 'United Kingdom', -1, -1),
    (20, 'I', 'Italien', 'Italie', 'Italy', -1, -1),
    (26, 'S', 'Schweden', 'Suède', 'Sweden', -1, -1),
    (30, 'USA', 'USA', 'États-Unis', 'USA', 0, -1),
    (52, 'CDN', 'Kanada', 'Canada', 'Canada', 0, 0),
    (53, 'MEX', 'Mexiko', 'Mexique', 'Mexico', 0, 0),
    (22, 'J', 'Japan', 'Japon', 'Japan', 0, -1),
    (8, 'CN', 'China', 'Chine', 'China', 0, -1),
    (28, 'RUS', 'Russland', 'Russie', 'Russia', 0, -1);
